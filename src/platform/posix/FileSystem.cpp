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
#include <mutex>
#include <utility>

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

// Pipes, sockets and some devices cannot be synced; for them there is
// nothing that a power loss could cut short.
bool CannotSync(int error) {
  return error == EINVAL || error == EROFS;
}

bool SyncDescriptor(int descriptor) {
  return posix::RetryOnInterrupt([&] { return ::fsync(descriptor); }) == 0 || CannotSync(errno);
}

// A new or removed name is on the disk only once its folder is synced.
bool SyncFolder(const std::string& folder) {
  const posix::Descriptor descriptor(posix::RetryOnInterrupt(
      [&] { return ::open(folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC); }));
  return descriptor.Valid() && SyncDescriptor(descriptor.Get());
}

bool IsWritingMode(const char* mode) {
  return std::strpbrk(mode, "wa+") != nullptr;
}

// Every path goes to the system through ResolveCase, so each name is found
// in any letter case and a file or folder made reuses an entry that matches
// it ignoring case instead of making a second one beside it.
class PosixFileSystem final : public FileSystem {
 public:
  NativeFile* Open(const std::string& path, const char* mode) override {
    std::string native = posix::ResolveCase(NativePath(path));
    const bool writing = IsWritingMode(mode);
    const bool creating =
        std::strpbrk(mode, "wa") != nullptr && ::access(native.c_str(), F_OK) != 0;
    if (creating) native = SpellingOfRemoved(std::move(native));
    FILE* stream = ::fopen(native.c_str(), mode);
    if (stream == nullptr) return nullptr;
    return new NativeFile{stream, writing, creating ? FolderOf(native) : std::string()};
  }

  bool Close(NativeFile* file) override {
    if (file == nullptr) return true;
    int error = 0;
    const auto fail = [&error] {
      if (error == 0) error = errno != 0 ? errno : EIO;
    };
    if (file->writing) {
      // The library's buffer goes to the system, then the system's cache to
      // the disk.
      if (std::fflush(file->stream) != 0 || !SyncDescriptor(::fileno(file->stream))) fail();
    }
    if (::fclose(file->stream) != 0) fail();
    if (!file->created_in.empty() && !SyncFolder(file->created_in)) fail();
    delete file;
    if (error == 0) return true;
    errno = error;
    return false;
  }

  std::size_t Read(NativeFile* file, void* buffer, std::size_t count) override {
    return fread(buffer, 1, count, file->stream);
  }

  std::size_t Write(NativeFile* file, const void* buffer, std::size_t count) override {
    return fwrite(buffer, 1, count, file->stream);
  }

  bool Seek(NativeFile* file, std::int64_t offset, SeekOrigin origin) override {
    int whence = origin == SeekOrigin::kStart     ? SEEK_SET
                 : origin == SeekOrigin::kCurrent ? SEEK_CUR
                                                  : SEEK_END;
    return fseeko(file->stream, static_cast<off_t>(offset), whence) == 0;
  }

  std::int64_t Tell(NativeFile* file) override { return ftello(file->stream); }
  bool Flush(NativeFile* file) override { return std::fflush(file->stream) == 0; }

  bool Exists(const std::string& path) override {
    return access(posix::ResolveCase(NativePath(path)).c_str(), F_OK) == 0;
  }

  bool Remove(const std::string& path) override {
    const std::string native = posix::ResolveCase(NativePath(path));
    if (remove(native.c_str()) != 0) return false;
    RememberRemoved(native);
    return SyncFolder(FolderOf(native));
  }

  MakeDirectoryResult MakeDirectory(const std::string& path) override {
    const std::string native = posix::ResolveCase(NativePath(path));
    if (mkdir(native.c_str(), 0777) == 0) {
      return SyncFolder(FolderOf(native)) ? MakeDirectoryResult::kCreated
                                          : MakeDirectoryResult::kFailed;
    }
    return errno == EEXIST ? MakeDirectoryResult::kAlreadyExists : MakeDirectoryResult::kFailed;
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
  // Where a name was removed: its folder's identity, which no change of the
  // current directory alters, and the name as it was on disk.
  struct RemovedName {
    dev_t device;
    ino_t inode;
    std::string name;
  };

  void RememberRemoved(const std::string& native) {
    struct stat folder {};
    if (::stat(FolderOf(native).c_str(), &folder) != 0) return;
    const std::lock_guard lock(m_removed_mutex);
    m_removed = RemovedName{folder.st_dev, folder.st_ino, native.substr(NameStart(native))};
  }

  // A file is saved by removing the old one and creating it anew. The next
  // file created, when it is made in the same folder under the same name in
  // another case, takes the old spelling, so that the player's file keeps
  // its name.
  std::string SpellingOfRemoved(std::string native) {
    std::optional<RemovedName> removed;
    {
      const std::lock_guard lock(m_removed_mutex);
      removed = std::exchange(m_removed, std::nullopt);
    }
    const std::size_t name_start = NameStart(native);
    struct stat folder {};
    if (removed &&
        posix::EqualIgnoringCase(removed->name, std::string_view(native).substr(name_start)) &&
        ::stat(FolderOf(native).c_str(), &folder) == 0 && folder.st_dev == removed->device &&
        folder.st_ino == removed->inode) {
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
  static PosixFileSystem real;
  return real;
}

std::string NativePath(const std::string& path) {
  std::string native = path;
  std::replace(native.begin(), native.end(), '\\', '/');
  return native;
}

}  // namespace platform
