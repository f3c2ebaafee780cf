#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "platform/FileSystem.h"

// Passes every call to the real file system and counts it, so tests can see
// how often the engine reaches the operating system. It can also pretend a
// full disk, a given free space or a failing folder. Installed for its
// lifetime.
class CountingFileSystem : public platform::FileSystem {
 public:
  CountingFileSystem();
  ~CountingFileSystem() override;

  platform::NativeFile* Open(const std::string& path, const char* mode) override;
  void Close(platform::NativeFile* file) override;
  std::size_t Read(platform::NativeFile* file, void* buffer, std::size_t count) override;
  std::size_t Write(platform::NativeFile* file, const void* buffer, std::size_t count) override;
  bool Seek(platform::NativeFile* file, std::int64_t offset, platform::SeekOrigin origin) override;
  std::int64_t Tell(platform::NativeFile* file) override;
  bool Exists(const std::string& path) override;
  bool Remove(const std::string& path) override;
  platform::MakeDirectoryResult MakeDirectory(const std::string& path) override;
  bool FreeSpace(std::uint64_t& bytes) override;

  int opens = 0;
  int closes = 0;
  int reads = 0;
  int writes = 0;
  int seeks = 0;
  int tells = 0;
  int exists = 0;
  int removes = 0;
  // Sizes asked of each Read and Write, in order.
  std::vector<std::size_t> read_sizes;
  std::vector<std::size_t> write_sizes;
  // Every folder asked for, in order.
  std::vector<std::string> made_directories;

  // Writes accept at most this many bytes each.
  std::optional<std::size_t> write_limit;
  // Free space to report instead of the real one; nullopt with
  // `free_space_fails` makes the query fail.
  std::optional<std::uint64_t> free_space;
  bool free_space_fails = false;
  // MakeDirectory fails for this exact path.
  std::string failing_directory;

  int FileCalls() const { return opens + closes + reads + writes + seeks + tells; }
  void ResetCounts();

 private:
  platform::FileSystem& m_real;
  platform::FileSystem* m_previous;
};
