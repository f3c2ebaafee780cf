#include "engine/DiskFile.h"

#include "engine/OpenMode.h"
#include "platform/FileSystem.h"

DiskFile::~DiskFile() {
  Close();
}

bool DiskFile::Open(const String& path, OpenMode mode) {
  const char* c_mode = mode == kOpenRead        ? "rb"
                       : mode == kOpenWrite     ? "wb"
                       : mode == kOpenReadWrite ? "r+b"
                                                : nullptr;
  if (c_mode == nullptr) return false;
  Close();
  m_path = path;
  platform::SystemResult<platform::NativeFile*> file = platform::GetFileSystem().Open(path, c_mode);
  if (!file) return false;
  m_file = *file;
  return true;
}

bool DiskFile::Close() {
  if (m_file == nullptr) return true;
  const bool closed = !platform::GetFileSystem().Close(m_file);
  m_file = nullptr;
  return closed;
}

std::uint32_t DiskFile::Read(void* buffer, std::uint32_t count) {
  if (m_file == nullptr || buffer == nullptr) return 0;
  return static_cast<std::uint32_t>(platform::GetFileSystem().Read(m_file, buffer, count));
}

std::uint32_t DiskFile::Write(const void* buffer, std::uint32_t count) {
  if (m_file == nullptr || buffer == nullptr) return 0;
  return static_cast<std::uint32_t>(platform::GetFileSystem().Write(m_file, buffer, count));
}

bool DiskFile::Seek(std::int64_t offset, Origin origin) {
  if (m_file == nullptr) return false;
  const platform::SeekOrigin native = origin == Origin::kStart     ? platform::SeekOrigin::kStart
                                      : origin == Origin::kCurrent ? platform::SeekOrigin::kCurrent
                                                                   : platform::SeekOrigin::kEnd;
  return !platform::GetFileSystem().Seek(m_file, offset, native);
}

std::optional<std::uint32_t> DiskFile::Size() {
  if (m_file == nullptr) return std::nullopt;
  platform::FileSystem& file_system = platform::GetFileSystem();
  // Without the position the file cannot be put back, so it is not moved.
  const platform::SystemResult<std::int64_t> here = file_system.Tell(m_file);
  if (!here || file_system.Seek(m_file, 0, platform::SeekOrigin::kEnd)) return std::nullopt;
  const platform::SystemResult<std::int64_t> size = file_system.Tell(m_file);
  if (file_system.Seek(m_file, *here, platform::SeekOrigin::kStart) || !size) {
    return std::nullopt;
  }
  return static_cast<std::uint32_t>(*size);
}

std::uint32_t DiskFile::Tell() {
  if (m_file == nullptr) return 0;
  const platform::SystemResult<std::int64_t> offset = platform::GetFileSystem().Tell(m_file);
  return offset ? static_cast<std::uint32_t>(*offset) : 0;
}
