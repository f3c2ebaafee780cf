#pragma once

#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>

namespace platform {

// An open file of the operating system; only the file system that opened it
// knows what is behind the pointer.
struct NativeFile;

enum class SeekOrigin { kStart, kCurrent, kEnd };

enum class MakeDirectoryResult { kCreated, kAlreadyExists, kFailed };

// The engine's doors to files and folders. Paths are given in their stored
// form with backslashes; the implementation translates them where it calls
// the operating system. Tests install their own (tests/support/
// CountingFileSystem.h counts the calls).
class FileSystem {
 public:
  virtual ~FileSystem() = default;

  // `mode` is a C stream mode such as "rb", "wb", "r+b", "w" or "a+".
  // Returns null when the file cannot be opened.
  virtual NativeFile* Open(const std::string& path, const char* mode) = 0;
  // Closes the file. For a file opened for writing, true means that what was
  // written has reached the disk: flushed, synced, and the folder synced too
  // when the open created the file. False, with the last error set, when any
  // of that failed; the file is closed all the same.
  virtual bool Close(NativeFile* file) = 0;
  virtual std::size_t Read(NativeFile* file, void* buffer, std::size_t count) = 0;
  virtual std::size_t Write(NativeFile* file, const void* buffer, std::size_t count) = 0;
  virtual bool Seek(NativeFile* file, std::int64_t offset, SeekOrigin origin) = 0;
  // -1 on failure.
  virtual std::int64_t Tell(NativeFile* file) = 0;
  // Hands what was written so far to the operating system; false on failure.
  virtual bool Flush(NativeFile* file) = 0;

  // True when something exists at `path`.
  virtual bool Exists(const std::string& path) = 0;
  // True when the file was removed and its folder synced, so that the
  // removal survives a power loss. Sets the last error on failure.
  virtual bool Remove(const std::string& path) = 0;
  // A folder made is synced into its parent like a file. Sets the last error
  // on failure.
  virtual MakeDirectoryResult MakeDirectory(const std::string& path) = 0;
  // Bytes available to the user on the current directory's volume; nullopt
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
