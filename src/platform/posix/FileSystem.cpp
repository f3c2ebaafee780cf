#include "platform/FileSystem.h"

#include <errno.h>
#include <stdio.h>
#include <sys/stat.h>
#include <sys/statvfs.h>
#include <unistd.h>

#include <algorithm>
#include <limits>

namespace platform {
namespace {

FILE* AsFile(NativeFile* file) {
  return reinterpret_cast<FILE*>(file);
}

class PosixFileSystem final : public FileSystem {
 public:
  NativeFile* Open(const std::string& path, const char* mode) override {
    return reinterpret_cast<NativeFile*>(fopen(NativePath(path).c_str(), mode));
  }

  void Close(NativeFile* file) override {
    if (file != nullptr) fclose(AsFile(file));
  }

  std::size_t Read(NativeFile* file, void* buffer, std::size_t count) override {
    return fread(buffer, 1, count, AsFile(file));
  }

  std::size_t Write(NativeFile* file, const void* buffer, std::size_t count) override {
    return fwrite(buffer, 1, count, AsFile(file));
  }

  bool Seek(NativeFile* file, std::int64_t offset, SeekOrigin origin) override {
    int whence = origin == SeekOrigin::kStart     ? SEEK_SET
                 : origin == SeekOrigin::kCurrent ? SEEK_CUR
                                                  : SEEK_END;
    return fseeko(AsFile(file), static_cast<off_t>(offset), whence) == 0;
  }

  std::int64_t Tell(NativeFile* file) override { return ftello(AsFile(file)); }
  bool Flush(NativeFile* file) override { return std::fflush(AsFile(file)) == 0; }

  bool Exists(const std::string& path) override {
    return access(NativePath(path).c_str(), F_OK) == 0;
  }

  bool Remove(const std::string& path) override { return remove(NativePath(path).c_str()) == 0; }

  MakeDirectoryResult MakeDirectory(const std::string& path) override {
    if (mkdir(NativePath(path).c_str(), 0777) == 0) return MakeDirectoryResult::kCreated;
    return errno == EEXIST ? MakeDirectoryResult::kAlreadyExists : MakeDirectoryResult::kFailed;
  }

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
