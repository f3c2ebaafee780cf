#include "platform/LastError.h"

#include "platform/win32/Win32Support.h"

namespace platform {

std::uint32_t GetLastError() {
  return ::GetLastError();
}

void SetLastError(std::uint32_t value) {
  ::SetLastError(value);
}

std::string GetErrorText(std::uint32_t value) {
  return win32::ErrorText(value);
}

}  // namespace platform
