#include "platform/win32/Win32Support.h"

namespace platform::win32 {

Handle::~Handle() {
  if (Valid()) ::CloseHandle(m_handle);
}

std::string ErrorText(DWORD number) {
  char* buffer = nullptr;
  const DWORD length = ::FormatMessageA(
      FORMAT_MESSAGE_ALLOCATE_BUFFER | FORMAT_MESSAGE_FROM_SYSTEM | FORMAT_MESSAGE_IGNORE_INSERTS,
      nullptr, number, 0, reinterpret_cast<char*>(&buffer), 0, nullptr);
  std::string text(buffer != nullptr ? buffer : "", length);
  if (buffer != nullptr) ::LocalFree(buffer);
  // The system ends its texts with CR LF, which a message box does not show
  // and a log line does not want.
  while (!text.empty() && (text.back() == '\n' || text.back() == '\r' || text.back() == ' ')) {
    text.pop_back();
  }
  return text;
}

SystemError MakeSystemError(DWORD number) {
  return SystemError{static_cast<int>(number), ErrorText(number)};
}

SystemError LastSystemError() {
  return MakeSystemError(::GetLastError());
}

}  // namespace platform::win32
