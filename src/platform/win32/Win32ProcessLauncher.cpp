#include "platform/win32/Win32ProcessLauncher.h"

#include <algorithm>
#include <vector>

namespace platform::win32 {
namespace {

// The current folder, where the game is started; empty when the system
// cannot say, which the shell takes as the current folder too.
std::string CurrentFolder() {
  std::vector<char> buffer(MAX_PATH);
  for (;;) {
    const DWORD length = ::GetCurrentDirectoryA(static_cast<DWORD>(buffer.size()), buffer.data());
    if (length == 0) return std::string();
    // Too small a buffer gets the length it needs, its terminator included.
    if (length < buffer.size()) return std::string(buffer.data(), length);
    buffer.resize(length);
  }
}

}  // namespace

std::optional<SystemError> Win32ProcessLauncher::Start(const std::string& path) {
  // Callers may write "./Zarvex.exe"; the system's form is ".\Zarvex.exe".
  std::string application = path;
  std::replace(application.begin(), application.end(), '/', '\\');
  DWORD error = m_calls.StartProcess(application);
  if (error == kErrorElevationRequired) error = m_calls.ShellOpen(application, CurrentFolder());
  if (error == ERROR_SUCCESS) return std::nullopt;
  return MakeSystemError(error);
}

}  // namespace platform::win32
