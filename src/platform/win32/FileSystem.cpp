#include "platform/FileSystem.h"

#include <io.h>
#include <stdio.h>

#include <cstring>
#include <optional>
#include <string>
#include <utility>

#include "platform/RemovedSpelling.h"
#include "platform/win32/Win32Support.h"

namespace platform {

struct NativeFile {
  FILE* stream = nullptr;
  // Opened for writing: Close makes what was written durable.
  bool writing = false;
};

namespace {

bool IsWritingMode(const char* mode) {
  return std::strpbrk(mode, "wa+") != nullptr;
}

// Pipes and consoles cannot be flushed to a disk; for them there is nothing
// that a power loss could cut short.
bool CannotFlushToDisk(DWORD error) {
  return error == ERROR_INVALID_HANDLE || error == ERROR_INVALID_FUNCTION;
}

// NTFS journals its folders, so a file's name is durable once the system has
// it; only the file's own bytes need FlushFileBuffers.
bool FlushToDisk(FILE* stream) {
  const auto handle = reinterpret_cast<HANDLE>(::_get_osfhandle(::_fileno(stream)));
  return handle != INVALID_HANDLE_VALUE &&
         (::FlushFileBuffers(handle) || CannotFlushToDisk(::GetLastError()));
}

// The error of the call that just failed. The C library keeps its own error
// numbers; a failure it reports without a system error of its own still
// fails, with `fallback`.
SystemError LastError(DWORD fallback) {
  const DWORD error = ::GetLastError();
  return win32::MakeSystemError(error != ERROR_SUCCESS ? error : fallback);
}

// The full path of the folder that holds `native`: the same folder however
// named, once compared ignoring case as the system does.
std::optional<std::string> FolderIdentity(const std::string& native, std::size_t name_start) {
  const std::string folder = name_start == 0 ? std::string(".") : native.substr(0, name_start);
  char full[MAX_PATH];
  const DWORD length = ::GetFullPathNameA(folder.c_str(), sizeof full, full, nullptr);
  if (length == 0 || length >= sizeof full) return std::nullopt;
  std::string identity(full, length);
  while (!identity.empty() && (identity.back() == '\\' || identity.back() == '/')) {
    identity.pop_back();
  }
  return identity;
}

// Where the last name of `native` begins.
std::size_t NameStart(const std::string& native) {
  const std::size_t separator = native.find_last_of("\\/:");
  return separator == std::string::npos ? 0 : separator + 1;
}

class Win32FileSystem final : public FileSystem {
 public:
  // The mode is the caller's, text modes included: the engine writes its
  // byte-exact files in binary mode and its log in text mode, as the game
  // does.
  SystemResult<NativeFile*> Open(const std::string& path, const char* mode) override {
    std::string native = NativePath(path);
    if (std::strpbrk(mode, "wa") != nullptr && ::_access(native.c_str(), 0) != 0) {
      const std::size_t name_start = NameStart(native);
      native.replace(name_start, std::string::npos,
                     m_removed.Take(FolderIdentity(native, name_start), native.substr(name_start)));
    }
    ::SetLastError(ERROR_SUCCESS);
    FILE* stream = ::fopen(native.c_str(), mode);
    if (stream == nullptr) return LastError(ERROR_OPEN_FAILED);
    return new NativeFile{stream, IsWritingMode(mode)};
  }

  std::optional<SystemError> Close(NativeFile* file) override {
    if (file == nullptr) return std::nullopt;
    std::optional<SystemError> error;
    ::SetLastError(ERROR_SUCCESS);
    if (file->writing && (std::fflush(file->stream) != 0 || !FlushToDisk(file->stream))) {
      error = LastError(ERROR_WRITE_FAULT);
    }
    if (::fclose(file->stream) != 0 && !error) error = LastError(ERROR_WRITE_FAULT);
    delete file;
    return error;
  }

  std::size_t Read(NativeFile* file, void* buffer, std::size_t count) override {
    return std::fread(buffer, 1, count, file->stream);
  }

  std::size_t Write(NativeFile* file, const void* buffer, std::size_t count) override {
    return std::fwrite(buffer, 1, count, file->stream);
  }

  std::optional<SystemError> Seek(NativeFile* file, std::int64_t offset,
                                  SeekOrigin origin) override {
    const int whence = origin == SeekOrigin::kStart     ? SEEK_SET
                       : origin == SeekOrigin::kCurrent ? SEEK_CUR
                                                        : SEEK_END;
    ::SetLastError(ERROR_SUCCESS);
    if (::_fseeki64(file->stream, offset, whence) == 0) return std::nullopt;
    return LastError(ERROR_NEGATIVE_SEEK);
  }

  SystemResult<std::int64_t> Tell(NativeFile* file) override {
    ::SetLastError(ERROR_SUCCESS);
    const std::int64_t offset = ::_ftelli64(file->stream);
    if (offset < 0) return LastError(ERROR_INVALID_HANDLE);
    return offset;
  }

  std::optional<SystemError> Flush(NativeFile* file) override {
    ::SetLastError(ERROR_SUCCESS);
    if (std::fflush(file->stream) == 0) return std::nullopt;
    return LastError(ERROR_WRITE_FAULT);
  }

  bool Exists(const std::string& path) override {
    return ::_access(NativePath(path).c_str(), 0) == 0;
  }

  std::optional<SystemError> Remove(const std::string& path) override {
    const std::string native = NativePath(path);
    std::optional<std::string> name_on_disk;
    WIN32_FIND_DATAA found{};
    const HANDLE search = ::FindFirstFileA(native.c_str(), &found);
    if (search != INVALID_HANDLE_VALUE) {
      ::FindClose(search);
      name_on_disk = found.cFileName;
    }
    ::SetLastError(ERROR_SUCCESS);
    if (std::remove(native.c_str()) != 0) return LastError(ERROR_ACCESS_DENIED);
    const std::size_t name_start = NameStart(native);
    m_removed.Remember(name_on_disk ? FolderIdentity(native, name_start) : std::nullopt,
                       name_on_disk.value_or(std::string()));
    return std::nullopt;
  }

  SystemResult<MadeDirectory> MakeDirectory(const std::string& path) override {
    if (::CreateDirectoryA(NativePath(path).c_str(), nullptr)) return MadeDirectory::kCreated;
    if (::GetLastError() == ERROR_ALREADY_EXISTS) return MadeDirectory::kAlreadyExists;
    return win32::LastSystemError();
  }

  // The current directory's volume, as the user may fill it (quotas
  // included).
  std::optional<std::uint64_t> FreeSpace() override {
    ULARGE_INTEGER available{};
    if (!::GetDiskFreeSpaceExA(nullptr, &available, nullptr, nullptr)) return std::nullopt;
    return available.QuadPart;
  }

 private:
  RemovedSpelling m_removed;
};

}  // namespace

FileSystem& RealFileSystem() {
  static Win32FileSystem real;
  return real;
}

// The stored form is already the system's.
std::string NativePath(const std::string& path) {
  return path;
}

}  // namespace platform
