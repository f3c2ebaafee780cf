#pragma once

#include <cstdint>
#include <optional>

#include "engine/OpenMode.h"
#include "engine/String.h"

namespace platform {
struct NativeFile;
}

// A standard-library style file and its path, opened "rb", "wb" or "r+b" by
// its mode.
class DiskFile {
 public:
  DiskFile() = default;
  ~DiskFile();
  DiskFile(const DiskFile&) = delete;
  DiskFile& operator=(const DiskFile&) = delete;

  // False for a value outside the modes or when the file cannot be opened.
  // An open file is closed first.
  bool Open(const String& path, OpenMode mode);
  // False when what was written could not be brought to the disk; the file
  // is closed all the same.
  bool Close();
  bool IsOpen() const { return m_file != nullptr; }

  // The count moved; 0 without a file or a buffer.
  std::uint32_t Read(void* buffer, std::uint32_t count);
  std::uint32_t Write(const void* buffer, std::uint32_t count);

  enum class Origin { kStart = 0, kCurrent = 1, kEnd = 2 };
  bool Seek(std::int64_t offset, Origin origin);
  // 0 without a file.
  std::uint32_t Tell();
  // The file's size, the position left where it was; nothing when the
  // system cannot tell.
  std::optional<std::uint32_t> Size();

  const String& GetPath() const { return m_path; }

 private:
  String m_path;
  platform::NativeFile* m_file = nullptr;
};
