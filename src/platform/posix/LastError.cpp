#include "platform/LastError.h"

#include <errno.h>
#include <string.h>

namespace platform {

std::uint32_t GetLastError() {
  return static_cast<std::uint32_t>(errno);
}

void SetLastError(std::uint32_t value) {
  errno = static_cast<int>(value);
}

std::string GetErrorText(std::uint32_t value) {
  char buffer[256] = {};
  // The GNU strerror_r returns the text, which may or may not be `buffer`.
  const char* text = strerror_r(static_cast<int>(value), buffer, sizeof buffer);
  return text != nullptr ? std::string(text) : std::string();
}

}  // namespace platform
