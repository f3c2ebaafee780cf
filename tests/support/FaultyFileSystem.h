#pragma once

#include <array>
#include <cerrno>
#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>

#include "platform/FileSystem.h"
#include "platform/LastError.h"

// Passes every call to the real file system and makes one chosen call fail:
// the n-th call (counted from 0) of one operation. A fault-free run counts
// the calls of each operation, which gives the positions a test can try.
class FaultyFileSystem : public platform::FileSystem {
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
  };
  static constexpr std::size_t kOperationCount = 9;
  static constexpr std::array<Operation, kOperationCount> kOperations = {
      Operation::kOpen,       Operation::kRead,   Operation::kWrite,
      Operation::kShortWrite, Operation::kSeek,   Operation::kTell,
      Operation::kClose,      Operation::kRemove, Operation::kMakeDirectory};

  static const char* Name(Operation operation) {
    constexpr const char* kNames[] = {"Open", "Read",  "Write",  "Write (short)", "Seek",
                                      "Tell", "Close", "Remove", "MakeDirectory"};
    return kNames[static_cast<std::size_t>(operation)];
  }

  struct Fault {
    Operation operation;
    int call;
  };

  explicit FaultyFileSystem(std::optional<Fault> fault = std::nullopt) : m_fault(fault) {}

  // How often the operation was called.
  int Calls(Operation operation) const { return m_calls[Counter(operation)]; }
  // Whether the chosen call happened.
  bool Fired() const { return m_fired; }

  platform::NativeFile* Open(const std::string& path, const char* mode) override {
    if (Fails(Operation::kOpen)) return Failure<platform::NativeFile*>(nullptr);
    return m_real.Open(path, mode);
  }
  bool Close(platform::NativeFile* file) override {
    const bool closed = m_real.Close(file);
    if (Fails(Operation::kClose)) return Failure(false);
    return closed;
  }
  std::size_t Read(platform::NativeFile* file, void* buffer, std::size_t count) override {
    if (Fails(Operation::kRead)) return Failure<std::size_t>(0);
    return m_real.Read(file, buffer, count);
  }
  std::size_t Write(platform::NativeFile* file, const void* buffer, std::size_t count) override {
    if (!Fails(Operation::kWrite)) return m_real.Write(file, buffer, count);
    if (m_fault->operation == Operation::kWrite) return Failure<std::size_t>(0);
    return Failure(m_real.Write(file, buffer, count / 2));
  }
  bool Seek(platform::NativeFile* file, std::int64_t offset, platform::SeekOrigin origin) override {
    if (Fails(Operation::kSeek)) return Failure(false);
    return m_real.Seek(file, offset, origin);
  }
  std::int64_t Tell(platform::NativeFile* file) override {
    if (Fails(Operation::kTell)) return Failure<std::int64_t>(-1);
    return m_real.Tell(file);
  }
  bool Flush(platform::NativeFile* file) override { return m_real.Flush(file); }
  bool Exists(const std::string& path) override { return m_real.Exists(path); }
  bool Remove(const std::string& path) override {
    if (Fails(Operation::kRemove)) return Failure(false);
    return m_real.Remove(path);
  }
  platform::MakeDirectoryResult MakeDirectory(const std::string& path) override {
    if (Fails(Operation::kMakeDirectory)) return Failure(platform::MakeDirectoryResult::kFailed);
    return m_real.MakeDirectory(path);
  }
  std::optional<std::uint64_t> FreeSpace() override { return m_real.FreeSpace(); }

 private:
  static std::size_t Counter(Operation operation) {
    return static_cast<std::size_t>(operation == Operation::kShortWrite ? Operation::kWrite
                                                                        : operation);
  }

  // Counts the call; true when it is the one that must fail.
  bool Fails(Operation operation) {
    const int call = m_calls[Counter(operation)]++;
    if (!m_fault || Counter(m_fault->operation) != Counter(operation) || m_fault->call != call) {
      return false;
    }
    m_fired = true;
    return true;
  }

  template <typename T>
  static T Failure(T result) {
    platform::SetLastError(EIO);
    return result;
  }

  platform::FileSystem& m_real = platform::RealFileSystem();
  std::optional<Fault> m_fault;
  std::array<int, kOperationCount> m_calls{};
  bool m_fired = false;
};
