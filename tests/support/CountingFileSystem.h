#pragma once

#include <algorithm>
#include <cerrno>
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "platform/FileSystem.h"
#include "platform/LastError.h"

// Passes every call to the real file system and counts it, so tests can see
// how often the engine reaches the operating system. It can also pretend a
// full disk, a given free space or a failing folder.
class CountingFileSystem : public platform::FileSystem {
 public:
  platform::NativeFile* Open(const std::string& path, const char* mode) override {
    opened.push_back(path + " " + mode);
    return ++opens, m_real.Open(path, mode);
  }
  bool Close(platform::NativeFile* file) override { return ++closes, m_real.Close(file); }
  std::size_t Read(platform::NativeFile* file, void* buffer, std::size_t count) override {
    return ++reads, read_sizes.push_back(count), m_real.Read(file, buffer, count);
  }
  std::size_t Write(platform::NativeFile* file, const void* buffer, std::size_t count) override {
    ++writes, write_sizes.push_back(count);
    return m_real.Write(file, buffer, write_limit ? std::min(count, *write_limit) : count);
  }
  bool Seek(platform::NativeFile* file, std::int64_t offset, platform::SeekOrigin origin) override {
    return ++seeks, m_real.Seek(file, offset, origin);
  }
  std::int64_t Tell(platform::NativeFile* file) override { return ++tells, m_real.Tell(file); }
  bool Flush(platform::NativeFile* file) override { return m_real.Flush(file); }
  bool Exists(const std::string& path) override { return ++exists, m_real.Exists(path); }
  bool Remove(const std::string& path) override { return ++removes, m_real.Remove(path); }
  platform::MakeDirectoryResult MakeDirectory(const std::string& path) override {
    made_directories.push_back(path);
    if (path != failing_directory) return m_real.MakeDirectory(path);
    platform::SetLastError(EACCES);
    return platform::MakeDirectoryResult::kFailed;
  }
  std::optional<std::uint64_t> FreeSpace() override {
    if (free_space_fails) return std::nullopt;
    return free_space ? free_space : m_real.FreeSpace();
  }

  int opens = 0, closes = 0, reads = 0, writes = 0, seeks = 0, tells = 0, exists = 0, removes = 0;
  // Sizes asked of each Read and Write, in order.
  std::vector<std::size_t> read_sizes, write_sizes;
  // Every folder asked for, in order; every file opened ("path mode").
  std::vector<std::string> made_directories, opened;

  // Writes accept at most this many bytes each.
  std::optional<std::size_t> write_limit;
  // Free space to report instead of the real one; `free_space_fails` makes the query fail.
  std::optional<std::uint64_t> free_space;
  bool free_space_fails = false;
  // MakeDirectory fails for this exact path.
  std::string failing_directory;

  int FileCalls() const { return opens + closes + reads + writes + seeks + tells; }
  void ResetCounts() {
    opens = closes = reads = writes = seeks = tells = exists = removes = 0;
    read_sizes.clear(), write_sizes.clear(), made_directories.clear(), opened.clear();
  }

 private:
  platform::FileSystem& m_real = platform::RealFileSystem();
};
