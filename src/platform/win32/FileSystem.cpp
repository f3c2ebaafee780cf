#include "platform/FileSystem.h"

#include <io.h>
#include <stdio.h>

#include <cstring>
#include <mutex>
#include <optional>
#include <string>
#include <utility>

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

// The C library keeps its own error numbers; a failure it reports without a
// system error of its own still leaves one behind.
void KeepLastError(DWORD fallback) {
  if (::GetLastError() == ERROR_SUCCESS) ::SetLastError(fallback);
}

class Win32FileSystem final : public FileSystem {
 public:
  // The mode is the caller's, text modes included: the engine writes its
  // byte-exact files in binary mode and its log in text mode, as the game
  // does.
  NativeFile* Open(const std::string& path, const char* mode) override {
    std::string native = NativePath(path);
    if (std::strpbrk(mode, "wa") != nullptr && ::_access(native.c_str(), 0) != 0) {
      native = SpellingOfRemoved(std::move(native));
    }
    FILE* stream = ::fopen(native.c_str(), mode);
    if (stream == nullptr) return nullptr;
    return new NativeFile{stream, IsWritingMode(mode)};
  }

  bool Close(NativeFile* file) override {
    if (file == nullptr) return true;
    DWORD error = ERROR_SUCCESS;
    const auto fail = [&error] {
      if (error == ERROR_SUCCESS) {
        KeepLastError(ERROR_WRITE_FAULT);
        error = ::GetLastError();
      }
    };
    if (file->writing) {
      ::SetLastError(ERROR_SUCCESS);
      if (std::fflush(file->stream) != 0 || !FlushToDisk(file->stream)) fail();
    }
    if (::fclose(file->stream) != 0) fail();
    delete file;
    if (error == ERROR_SUCCESS) return true;
    ::SetLastError(error);
    return false;
  }

  std::size_t Read(NativeFile* file, void* buffer, std::size_t count) override {
    return std::fread(buffer, 1, count, file->stream);
  }

  std::size_t Write(NativeFile* file, const void* buffer, std::size_t count) override {
    return std::fwrite(buffer, 1, count, file->stream);
  }

  bool Seek(NativeFile* file, std::int64_t offset, SeekOrigin origin) override {
    const int whence = origin == SeekOrigin::kStart     ? SEEK_SET
                       : origin == SeekOrigin::kCurrent ? SEEK_CUR
                                                        : SEEK_END;
    return ::_fseeki64(file->stream, offset, whence) == 0;
  }

  std::int64_t Tell(NativeFile* file) override { return ::_ftelli64(file->stream); }
  bool Flush(NativeFile* file) override { return std::fflush(file->stream) == 0; }

  bool Exists(const std::string& path) override {
    return ::_access(NativePath(path).c_str(), 0) == 0;
  }

  bool Remove(const std::string& path) override {
    const std::string native = NativePath(path);
    std::optional<RemovedName> removed = NameOnDisk(native);
    ::SetLastError(ERROR_SUCCESS);
    if (std::remove(native.c_str()) == 0) {
      const std::lock_guard lock(m_removed_mutex);
      m_removed = std::move(removed);
      return true;
    }
    KeepLastError(ERROR_ACCESS_DENIED);
    return false;
  }

  MakeDirectoryResult MakeDirectory(const std::string& path) override {
    if (::CreateDirectoryA(NativePath(path).c_str(), nullptr)) return MakeDirectoryResult::kCreated;
    return ::GetLastError() == ERROR_ALREADY_EXISTS ? MakeDirectoryResult::kAlreadyExists
                                                    : MakeDirectoryResult::kFailed;
  }

  // The current directory's volume, as the user may fill it (quotas
  // included).
  std::optional<std::uint64_t> FreeSpace() override {
    ULARGE_INTEGER available{};
    if (!::GetDiskFreeSpaceExA(nullptr, &available, nullptr, nullptr)) return std::nullopt;
    return available.QuadPart;
  }

 private:
  // A file removed: its full path as named, and its name as it was on disk.
  struct RemovedName {
    std::string full_path;
    std::string name;
  };

  static std::optional<std::string> FullPath(const std::string& native) {
    char full[MAX_PATH];
    const DWORD length = ::GetFullPathNameA(native.c_str(), sizeof full, full, nullptr);
    if (length == 0 || length >= sizeof full) return std::nullopt;
    return std::string(full, length);
  }

  static std::optional<RemovedName> NameOnDisk(const std::string& native) {
    std::optional<std::string> full = FullPath(native);
    WIN32_FIND_DATAA found{};
    const HANDLE search = ::FindFirstFileA(native.c_str(), &found);
    if (!full || search == INVALID_HANDLE_VALUE) return std::nullopt;
    ::FindClose(search);
    return RemovedName{std::move(*full), found.cFileName};
  }

  // The system finds names in any letter case, but a file removed and made
  // anew takes the new name's spelling. A file is saved that way, so the next
  // file created under the removed one's name in another case takes the old
  // spelling: the player's QVCONFIG.INI stays QVCONFIG.INI.
  std::string SpellingOfRemoved(std::string native) {
    std::optional<RemovedName> removed;
    {
      const std::lock_guard lock(m_removed_mutex);
      removed = std::exchange(m_removed, std::nullopt);
    }
    const std::optional<std::string> full = FullPath(native);
    const std::size_t name_start = native.find_last_of("\\/:") + 1;
    if (removed && full && ::_stricmp(full->c_str(), removed->full_path.c_str()) == 0 &&
        ::_stricmp(native.c_str() + name_start, removed->name.c_str()) == 0) {
      native.replace(name_start, std::string::npos, removed->name);
    }
    return native;
  }

  std::mutex m_removed_mutex;
  // The file removed last, until the next file is created.
  std::optional<RemovedName> m_removed;
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
