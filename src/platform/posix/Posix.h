#pragma once

#include <errno.h>

#include <cstddef>
#include <cstdint>
#include <string>
#include <utility>

#include "platform/SystemError.h"

// What every file of the POSIX backend needs, kept once. Internal to
// platform/posix/.
namespace platform::posix {

// A file descriptor that closes itself.
class Descriptor {
 public:
  explicit Descriptor(int descriptor = -1) : m_descriptor(descriptor) {}
  Descriptor(Descriptor&& other) noexcept : m_descriptor(std::exchange(other.m_descriptor, -1)) {}
  Descriptor& operator=(Descriptor&& other) noexcept {
    std::swap(m_descriptor, other.m_descriptor);
    return *this;
  }
  ~Descriptor();
  Descriptor(const Descriptor&) = delete;
  Descriptor& operator=(const Descriptor&) = delete;

  int Get() const { return m_descriptor; }
  bool Valid() const { return m_descriptor >= 0; }

 private:
  int m_descriptor;
};

// Calls `call` again for as long as a signal interrupts it (it fails with
// EINTR) and returns its last result.
template <typename Call>
auto RetryOnInterrupt(Call call) -> decltype(call()) {
  for (;;) {
    const auto result = call();
    if (result >= 0 || errno != EINTR) return result;
  }
}

// The system's own text for an error number.
std::string ErrorText(int number);

// An error number with the system's text for it.
SystemError MakeSystemError(int number);

// Milliseconds on the monotonic clock, which no change of the time of day moves.
std::int64_t MonotonicMs();

// True when `path` itself (not a link to it) is a folder of this user that
// no one else may enter, list or change.
bool IsPrivateFolder(const std::string& path);

// Reads at most `size` bytes of what `descriptor` has, waiting for them until
// the monotonic clock reaches `deadline_ms`. 0 when the deadline passes
// first, the writer has closed its end or the read fails.
std::size_t ReadBefore(int descriptor, void* buffer, std::size_t size, std::int64_t deadline_ms);

// Everything `descriptor` holds up to `limit` bytes, read until the end or the
// limit; less when a read fails.
std::string ReadUpTo(int descriptor, std::size_t limit);

}  // namespace platform::posix
