#include "support/CountingFileSystem.h"

#include <algorithm>
#include <cerrno>

#include "platform/LastError.h"

CountingFileSystem::CountingFileSystem()
    : m_real(platform::RealFileSystem()), m_previous(platform::SetFileSystem(this)) {}

CountingFileSystem::~CountingFileSystem() {
  platform::SetFileSystem(m_previous);
}

platform::NativeFile* CountingFileSystem::Open(const std::string& path, const char* mode) {
  ++opens;
  return m_real.Open(path, mode);
}

void CountingFileSystem::Close(platform::NativeFile* file) {
  ++closes;
  m_real.Close(file);
}

std::size_t CountingFileSystem::Read(platform::NativeFile* file, void* buffer, std::size_t count) {
  ++reads;
  read_sizes.push_back(count);
  return m_real.Read(file, buffer, count);
}

std::size_t CountingFileSystem::Write(platform::NativeFile* file, const void* buffer,
                                      std::size_t count) {
  ++writes;
  write_sizes.push_back(count);
  return m_real.Write(file, buffer, write_limit ? std::min(count, *write_limit) : count);
}

bool CountingFileSystem::Seek(platform::NativeFile* file, std::int64_t offset,
                              platform::SeekOrigin origin) {
  ++seeks;
  return m_real.Seek(file, offset, origin);
}

std::int64_t CountingFileSystem::Tell(platform::NativeFile* file) {
  ++tells;
  return m_real.Tell(file);
}

bool CountingFileSystem::Exists(const std::string& path) {
  ++exists;
  return m_real.Exists(path);
}

bool CountingFileSystem::Remove(const std::string& path) {
  ++removes;
  return m_real.Remove(path);
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
