#include "platform/LastError.h"

#include <errno.h>

#include "platform/posix/Posix.h"

namespace platform {

std::uint32_t GetLastError() {
  return static_cast<std::uint32_t>(errno);
}

void SetLastError(std::uint32_t value) {
  errno = static_cast<int>(value);
}

std::string GetErrorText(std::uint32_t value) {
  return posix::ErrorText(static_cast<int>(value));
}

}  // namespace platform
