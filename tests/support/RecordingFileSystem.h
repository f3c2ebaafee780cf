#pragma once

#include <algorithm>
#include <array>
#include <cstddef>
#include <cstdint>
#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "platform/FileSystem.h"

// Passes every call to another file system (the real one unless given) and
// records it: how often each operation was called, the sizes asked of reads
// and writes, the files opened, folders made, paths asked about and removed.
// A test can also make one chosen call fail (the n-th call, from 0, of one
// operation: a fault-free run counts the calls, which gives the positions to
// try), cap every write, answer Exists itself, and watch every call as it
// happens.
class RecordingFileSystem : public platform::FileSystem {
 public:
  enum class Operation {
    kOpen,
    kRead,
    kWrite,       // writes nothing
    kShortWrite,  // writes half of what it was given; counts the calls of kWrite
    kSeek,
    kTell,
    kClose,  // closes, but what was written did not reach the disk
    kRemove,
    kMakeDirectory,
    kFlush,
    kExists,
  };
  // The operations a fault can be put on.
  static constexpr std::array kFaultable = {
      Operation::kOpen,       Operation::kRead,   Operation::kWrite,
      Operation::kShortWrite, Operation::kSeek,   Operation::kTell,
      Operation::kClose,      Operation::kRemove, Operation::kMakeDirectory};

  static const char* Name(Operation operation) {
    constexpr const char* kNames[] = {"Open",          "Read",  "Write", "Write (short)",
                                      "Seek",          "Tell",  "Close", "Remove",
                                      "MakeDirectory", "Flush", "Exists"};
    return kNames[static_cast<std::size_t>(operation)];
  }

  struct Fault {
    Operation operation;
    int call;
  };

  explicit RecordingFileSystem(platform::FileSystem& inner = platform::RealFileSystem())
      : m_inner(inner) {}

  // How often the operation was called.
  int Calls(Operation operation) const { return m_calls[Counter(operation)]; }
  int FileCalls() const {
    int calls = 0;
    for (Operation operation : {Operation::kOpen, Operation::kClose, Operation::kRead,
                                Operation::kWrite, Operation::kSeek, Operation::kTell}) {
      calls += Calls(operation);
    }
    return calls;
  }
  // Whether the chosen fault happened.
  bool Fired() const { return m_fired; }
  void Clear() {
    m_calls = {};
    read_sizes.clear(), write_sizes.clear(), opened.clear(), made_directories.clear();
    asked.clear(), removed.clear();
  }

  platform::SystemResult<platform::NativeFile*> Open(const std::string& path,
                                                     const char* mode) override {
    opened.push_back(path + " " + mode);
    if (Fails(Operation::kOpen)) return Failure();
    return m_inner.Open(path, mode);
  }
  std::optional<platform::SystemError> Close(platform::NativeFile* file) override {
    std::optional<platform::SystemError> error = m_inner.Close(file);
    if (Fails(Operation::kClose)) return Failure();
    return error;
  }
  std::size_t Read(platform::NativeFile* file, void* buffer, std::size_t count) override {
    read_sizes.push_back(count);
    if (Fails(Operation::kRead)) return 0;
    return m_inner.Read(file, buffer, count);
  }
  std::size_t Write(platform::NativeFile* file, const void* buffer, std::size_t count) override {
    write_sizes.push_back(count);
    if (write_limit) count = std::min(count, *write_limit);
    if (!Fails(Operation::kWrite)) return m_inner.Write(file, buffer, count);
    if (fault->operation == Operation::kWrite) return 0;
    return m_inner.Write(file, buffer, count / 2);
  }
  std::optional<platform::SystemError> Seek(platform::NativeFile* file, std::int64_t offset,
                                            platform::SeekOrigin origin) override {
    if (Fails(Operation::kSeek)) return Failure();
    return m_inner.Seek(file, offset, origin);
  }
  platform::SystemResult<std::int64_t> Tell(platform::NativeFile* file) override {
    if (Fails(Operation::kTell)) return Failure();
    return m_inner.Tell(file);
  }
  std::optional<platform::SystemError> Flush(platform::NativeFile* file) override {
    Fails(Operation::kFlush);
    return m_inner.Flush(file);
  }
  bool Exists(const std::string& path) override {
    asked.push_back(path);
    Fails(Operation::kExists);
    return exists_answer ? *exists_answer : m_inner.Exists(path);
  }
  std::optional<platform::SystemError> Remove(const std::string& path) override {
    removed.push_back(path);
    if (Fails(Operation::kRemove)) return Failure();
    return m_inner.Remove(path);
  }
  platform::SystemResult<platform::MadeDirectory> MakeDirectory(const std::string& path) override {
    made_directories.push_back(path);
    if (Fails(Operation::kMakeDirectory)) return Failure();
    return m_inner.MakeDirectory(path);
  }
  std::optional<std::uint64_t> FreeSpace() override { return m_inner.FreeSpace(); }

  std::optional<Fault> fault;
  // Writes accept at most this many bytes each.
  std::optional<std::size_t> write_limit;
  // The answer of Exists instead of the inner file system's.
  std::optional<bool> exists_answer;
  // Called at the start of every call.
  std::function<void()> on_call;

  // Sizes asked of each Read and Write, in order.
  std::vector<std::size_t> read_sizes, write_sizes;
  // Every file opened ("path mode"), folder made, path asked about and
  // removed, in order.
  std::vector<std::string> opened, made_directories, asked, removed;

 private:
  static constexpr std::size_t kCounters = 11;

  static std::size_t Counter(Operation operation) {
    return static_cast<std::size_t>(operation == Operation::kShortWrite ? Operation::kWrite
                                                                        : operation);
  }

  // Counts the call; true when it is the one that must fail.
  bool Fails(Operation operation) {
    if (on_call) on_call();
    const int call = m_calls[Counter(operation)]++;
    if (!fault || Counter(fault->operation) != Counter(operation) || fault->call != call) {
      return false;
    }
    m_fired = true;
    return true;
  }

  static platform::SystemError Failure() { return {5, "Input/output error (injected)"}; }

  platform::FileSystem& m_inner;
  std::array<int, kCounters> m_calls{};
  bool m_fired = false;
};
