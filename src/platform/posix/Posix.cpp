#include "platform/posix/Posix.h"

#include <poll.h>
#include <string.h>
#include <sys/stat.h>
#include <time.h>
#include <unistd.h>

#include <algorithm>
#include <climits>

namespace platform::posix {

Descriptor::~Descriptor() {
  if (m_descriptor >= 0) ::close(m_descriptor);
}

std::string ErrorText(int number) {
  char buffer[256] = {};
  // The GNU strerror_r returns the text, which may or may not be in `buffer`.
  const char* text = ::strerror_r(number, buffer, sizeof buffer);
  return text != nullptr ? std::string(text) : std::string();
}

SystemError MakeSystemError(int number) {
  return SystemError{number, ErrorText(number)};
}

std::int64_t MonotonicMs() {
  timespec now{};
  ::clock_gettime(CLOCK_MONOTONIC, &now);
  return static_cast<std::int64_t>(now.tv_sec) * 1000 + now.tv_nsec / 1000000;
}

bool IsPrivateFolder(const std::string& path) {
  struct stat info {};
  return ::lstat(path.c_str(), &info) == 0 && S_ISDIR(info.st_mode) && info.st_uid == ::geteuid() &&
         (info.st_mode & 077) == 0;
}

std::size_t ReadBefore(int descriptor, void* buffer, std::size_t size, std::int64_t deadline_ms) {
  pollfd entry{descriptor, POLLIN, 0};
  const int ready = RetryOnInterrupt([&] {
    const std::int64_t left = std::clamp<std::int64_t>(deadline_ms - MonotonicMs(), 0, INT_MAX);
    return left > 0 ? ::poll(&entry, 1, static_cast<int>(left)) : 0;
  });
  if (ready <= 0) return 0;
  const ssize_t count = RetryOnInterrupt([&] { return ::read(descriptor, buffer, size); });
  return count > 0 ? static_cast<std::size_t>(count) : 0;
}

std::string ReadUpTo(int descriptor, std::size_t limit) {
  // Most files read this way are small: grow the buffer as they turn out larger.
  std::string text(std::min<std::size_t>(limit, 4096), '\0');
  std::size_t received = 0;
  while (received < limit) {
    if (received == text.size()) text.resize(std::min(limit, text.size() * 2));
    const ssize_t count = RetryOnInterrupt(
        [&] { return ::read(descriptor, text.data() + received, text.size() - received); });
    if (count <= 0) break;
    received += static_cast<std::size_t>(count);
  }
  text.resize(received);
  return text;
}

}  // namespace platform::posix
