#pragma once

#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>

#include "platform/SystemError.h"
#include "platform/SystemResult.h"

namespace platform {

// An open file of the operating system; only the file system that opened it
// knows what is behind the pointer.
struct NativeFile;

enum class SeekOrigin { kStart, kCurrent, kEnd };

enum class MadeDirectory { kCreated, kAlreadyExists };

// The engine's doors to files and folders. Paths are given in their stored
// form with backslashes; the implementation translates them where it calls
// the operating system. Every operation that can fail says why with the
// system's error. Tests install their own (tests/support/
// RecordingFileSystem.h records calls and fails chosen ones); the fuzz
// targets keep their files in memory (fuzz/MemoryFileSystem.h).
class FileSystem {
 public:
  virtual ~FileSystem() = default;

  // `mode` is a C stream mode such as "rb", "wb", "r+b", "w" or "a+".
  virtual SystemResult<NativeFile*> Open(const std::string& path, const char* mode) = 0;
  // Closes the file, whatever the result. For a file opened for writing,
  // success means that what was written has reached the disk: flushed,
  // synced, and the folder synced too when the open created the file.
  virtual std::optional<SystemError> Close(NativeFile* file) = 0;
  // The count moved; fewer at the end of the file or on a failure.
  virtual std::size_t Read(NativeFile* file, void* buffer, std::size_t count) = 0;
  virtual std::size_t Write(NativeFile* file, const void* buffer, std::size_t count) = 0;
  virtual std::optional<SystemError> Seek(NativeFile* file, std::int64_t offset,
                                          SeekOrigin origin) = 0;
  virtual SystemResult<std::int64_t> Tell(NativeFile* file) = 0;
  // Hands what was written so far to the operating system.
  virtual std::optional<SystemError> Flush(NativeFile* file) = 0;

  // True when something exists at `path`.
  virtual bool Exists(const std::string& path) = 0;
  // Success means that the file was removed and its folder synced, so that
  // the removal survives a power loss.
  virtual std::optional<SystemError> Remove(const std::string& path) = 0;
  // A folder made is synced into its parent like a file.
  virtual SystemResult<MadeDirectory> MakeDirectory(const std::string& path) = 0;
  // Bytes available to the user on the current directory's volume; nothing
  // when the query fails.
  virtual std::optional<std::uint64_t> FreeSpace() = 0;
};

// The installed file system, else the real one.
FileSystem& GetFileSystem();
// Installs `file_system` (not owned; null restores the real one) and returns
// the one installed before (null when that was the real one).
FileSystem* SetFileSystem(FileSystem* file_system);
// The real file system of this platform, defined by its backend.
FileSystem& RealFileSystem();

// The stored path with every backslash turned into the separator of this
// operating system.
std::string NativePath(const std::string& path);

}  // namespace platform
