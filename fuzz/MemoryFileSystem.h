#pragma once

#include <cstddef>
#include <cstdint>
#include <map>
#include <memory>
#include <optional>
#include <set>
#include <string>

#include "platform/FileSystem.h"

// Files and folders in memory, behind the file-system seam, for the fuzz
// targets: a save costs no disk and no sync, and no other process sees the
// files. Paths are compared as given (backslashes and
// slashes alike); a file is made only in the current folder or one made
// before (MakeDirectory makes any folder asked for). Opening follows the C
// stream modes: "r" needs the file, "w" truncates, "a" appends, "+" reads
// and writes.
class MemoryFileSystem : public platform::FileSystem {
 public:
  MemoryFileSystem();
  ~MemoryFileSystem() override;

  platform::SystemResult<platform::NativeFile*> Open(const std::string& path,
                                                     const char* mode) override;
  std::optional<platform::SystemError> Close(platform::NativeFile* file) override;
  std::size_t Read(platform::NativeFile* file, void* buffer, std::size_t count) override;
  std::size_t Write(platform::NativeFile* file, const void* buffer, std::size_t count) override;
  std::optional<platform::SystemError> Seek(platform::NativeFile* file, std::int64_t offset,
                                            platform::SeekOrigin origin) override;
  platform::SystemResult<std::int64_t> Tell(platform::NativeFile* file) override;
  std::optional<platform::SystemError> Flush(platform::NativeFile* file) override;
  bool Exists(const std::string& path) override;
  std::optional<platform::SystemError> Remove(const std::string& path) override;
  platform::SystemResult<platform::MadeDirectory> MakeDirectory(const std::string& path) override;
  std::optional<std::uint64_t> FreeSpace() override;

  // The file's bytes; nothing when there is no such file.
  std::optional<std::string> Contents(const std::string& path) const;
  // Makes the file (its folder must exist) with these bytes.
  void SetContents(const std::string& path, std::string bytes);
  int OpenFiles() const { return m_open_files; }

 private:
  struct Handle;

  static Handle& Of(platform::NativeFile* file);
  static std::string Key(const std::string& path);
  static platform::SystemError NoSuchFile();
  bool FolderExists(const std::string& key) const;
  bool ParentExists(const std::string& key) const;

  // Shared with the handles, so that a file removed while open keeps its
  // bytes for them, as on a POSIX system.
  std::map<std::string, std::shared_ptr<std::string>> m_files;
  std::set<std::string> m_folders;
  int m_open_files = 0;
};
