#include "platform/FileSystem.h"

#include <errno.h>
#include <fcntl.h>
#include <stdio.h>
#include <sys/stat.h>
#include <sys/statvfs.h>
#include <unistd.h>

#include <algorithm>
#include <cstring>
#include <limits>
#include <utility>

#include "platform/RemovedSpelling.h"
#include "platform/posix/CaseFoldedPath.h"
#include "platform/posix/Posix.h"

namespace platform {

struct NativeFile {
  FILE* stream = nullptr;
  // Opened for writing: Close makes what was written durable.
  bool writing = false;
  // The folder, when the open created the file.
  std::string created_in;
};

namespace {

// The folder that holds `native_path`.
std::string FolderOf(const std::string& native_path) {
  const std::size_t slash = native_path.rfind('/');
  if (slash == std::string::npos) return ".";
  return slash == 0 ? "/" : native_path.substr(0, slash);
}

// Where the last name of `native_path` begins.
std::size_t NameStart(const std::string& native_path) {
  const std::size_t slash = native_path.rfind('/');
  return slash == std::string::npos ? 0 : slash + 1;
}

// A folder's device and inode, which no change of the current directory
// alters.
std::optional<std::string> FolderIdentity(const std::string& folder) {
  struct stat info {};
  if (::stat(folder.c_str(), &info) != 0) return std::nullopt;
  return std::to_string(info.st_dev) + ":" + std::to_string(info.st_ino);
}

// The error of the call that just failed; a library call that failed without
// one still fails.
SystemError LastError() {
  return posix::MakeSystemError(errno != 0 ? errno : EIO);
}

// Pipes, sockets and some devices cannot be synced; for them there is
// nothing that a power loss could cut short.
bool CannotSync(int error) {
  return error == EINVAL || error == EROFS;
}

std::optional<SystemError> SyncDescriptor(int descriptor) {
  if (posix::RetryOnInterrupt([&] { return ::fsync(descriptor); }) == 0 || CannotSync(errno)) {
    return std::nullopt;
  }
  return LastError();
}

// A new or removed name is on the disk only once its folder is synced.
std::optional<SystemError> SyncFolder(const std::string& folder) {
  const posix::Descriptor descriptor(posix::RetryOnInterrupt(
      [&] { return ::open(folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC); }));
  if (!descriptor.Valid()) return LastError();
  return SyncDescriptor(descriptor.Get());
}

bool IsWritingMode(const char* mode) {
  return std::strpbrk(mode, "wa+") != nullptr;
}

// Every path goes to the system through ResolveCase, so each name is found
// in any letter case and a file or folder made reuses an entry that matches
// it ignoring case instead of making a second one beside it.
class PosixFileSystem final : public FileSystem {
 public:
  SystemResult<NativeFile*> Open(const std::string& path, const char* mode) override {
    std::string native = posix::ResolveCase(NativePath(path));
    const bool creating =
        std::strpbrk(mode, "wa") != nullptr && ::access(native.c_str(), F_OK) != 0;
    if (creating) {
      const std::size_t name_start = NameStart(native);
      native.replace(name_start, std::string::npos,
                     m_removed.Take(FolderIdentity(FolderOf(native)), native.substr(name_start)));
    }
    errno = 0;
    FILE* stream = ::fopen(native.c_str(), mode);
    if (stream == nullptr) return LastError();
    return new NativeFile{stream, IsWritingMode(mode), creating ? FolderOf(native) : std::string()};
  }

  std::optional<SystemError> Close(NativeFile* file) override {
    if (file == nullptr) return std::nullopt;
    std::optional<SystemError> error;
    const auto keep_first = [&error](std::optional<SystemError> failure) {
      if (!error) error = std::move(failure);
    };
    if (file->writing) {
      // The library's buffer goes to the system, then the system's cache to
      // the disk.
      errno = 0;
      keep_first(std::fflush(file->stream) != 0 ? LastError()
                                                : SyncDescriptor(::fileno(file->stream)));
    }
    errno = 0;
    if (::fclose(file->stream) != 0) keep_first(LastError());
    if (!file->created_in.empty()) keep_first(SyncFolder(file->created_in));
    delete file;
    return error;
  }

  std::size_t Read(NativeFile* file, void* buffer, std::size_t count) override {
    return fread(buffer, 1, count, file->stream);
  }

  std::size_t Write(NativeFile* file, const void* buffer, std::size_t count) override {
    return fwrite(buffer, 1, count, file->stream);
  }

  std::optional<SystemError> Seek(NativeFile* file, std::int64_t offset,
                                  SeekOrigin origin) override {
    const int whence = origin == SeekOrigin::kStart     ? SEEK_SET
                       : origin == SeekOrigin::kCurrent ? SEEK_CUR
                                                        : SEEK_END;
    if (fseeko(file->stream, static_cast<off_t>(offset), whence) == 0) return std::nullopt;
    return LastError();
  }

  SystemResult<std::int64_t> Tell(NativeFile* file) override {
    const off_t offset = ftello(file->stream);
    if (offset < 0) return LastError();
    return static_cast<std::int64_t>(offset);
  }

  std::optional<SystemError> Flush(NativeFile* file) override {
    if (std::fflush(file->stream) == 0) return std::nullopt;
    return LastError();
  }

  bool Exists(const std::string& path) override {
    return access(posix::ResolveCase(NativePath(path)).c_str(), F_OK) == 0;
  }

  std::optional<SystemError> Remove(const std::string& path) override {
    const std::string native = posix::ResolveCase(NativePath(path));
    if (remove(native.c_str()) != 0) return LastError();
    m_removed.Remember(FolderIdentity(FolderOf(native)), native.substr(NameStart(native)));
    return SyncFolder(FolderOf(native));
  }

  SystemResult<MadeDirectory> MakeDirectory(const std::string& path) override {
    const std::string native = posix::ResolveCase(NativePath(path));
    if (mkdir(native.c_str(), 0777) != 0) {
      if (errno == EEXIST) return MadeDirectory::kAlreadyExists;
      return LastError();
    }
    if (std::optional<SystemError> error = SyncFolder(FolderOf(native))) return std::move(*error);
    return MadeDirectory::kCreated;
  }

  // The current folder is "." in any case: there is no name to look up.
  std::optional<std::uint64_t> FreeSpace() override {
    struct statvfs info {};
    if (statvfs(".", &info) != 0) return std::nullopt;
    const std::uint64_t blocks = info.f_bavail;
    const std::uint64_t block_size = info.f_frsize;
    std::uint64_t bytes = 0;
    if (__builtin_mul_overflow(blocks, block_size, &bytes)) {
      bytes = std::numeric_limits<std::uint64_t>::max();
    }
    return bytes;
  }

 private:
  RemovedSpelling m_removed;
};

}  // namespace

FileSystem& RealFileSystem() {
  static PosixFileSystem real;
  return real;
}

std::string NativePath(const std::string& path) {
  std::string native = path;
  std::replace(native.begin(), native.end(), '\\', '/');
  return native;
}

}  // namespace platform
