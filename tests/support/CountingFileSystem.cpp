#include "support/CountingFileSystem.h"

#include <cerrno>

#include "platform/LastError.h"

CountingFileSystem::CountingFileSystem()
    : m_real(platform::RealFileSystem()), m_previous(platform::SetFileSystem(this)) {}

CountingFileSystem::~CountingFileSystem() {
  platform::SetFileSystem(m_previous);
}

platform::MakeDirectoryResult CountingFileSystem::MakeDirectory(const std::string& path) {
  made_directories.push_back(path);
  if (path == failing_directory) {
    platform::SetLastError(EACCES);
    return platform::MakeDirectoryResult::kFailed;
  }
  return m_real.MakeDirectory(path);
}

bool CountingFileSystem::FreeSpace(std::uint64_t& bytes) {
  if (free_space_fails) return false;
  if (free_space) {
    bytes = *free_space;
    return true;
  }
  return m_real.FreeSpace(bytes);
}

void CountingFileSystem::ResetCounts() {
  opens = closes = reads = writes = seeks = tells = exists = removes = 0;
  read_sizes.clear();
  write_sizes.clear();
  made_directories.clear();
}
