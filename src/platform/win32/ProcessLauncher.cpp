#include "platform/ProcessLauncher.h"

#include <algorithm>

#include "platform/win32/Win32Support.h"

namespace platform {
namespace {

// CREATE_DEFAULT_ERROR_MODE | NORMAL_PRIORITY_CLASS: the game gets the
// system's error mode, not ours, and normal priority.
constexpr DWORD kCreationFlags = CREATE_DEFAULT_ERROR_MODE | NORMAL_PRIORITY_CLASS;

// CreateProcessA with the program as the application name and no command
// line, so the system looks nowhere but the given path and the program's
// command line is its name alone. Start-up information is empty but for its
// size, so the game opens its window in its own way.
class CreateProcessLauncher final : public ProcessLauncher {
 public:
  std::optional<SystemError> Start(const std::string& path) override {
    // Callers may write "./Zarvex.exe"; the system's form is ".\Zarvex.exe".
    std::string application = path;
    std::replace(application.begin(), application.end(), '/', '\\');
    STARTUPINFOA startup{};
    startup.cb = sizeof startup;
    PROCESS_INFORMATION process{};
    if (!::CreateProcessA(application.c_str(), nullptr, nullptr, nullptr, FALSE, kCreationFlags,
                          nullptr, nullptr, &startup, &process)) {
      return win32::LastSystemError();
    }
    ::CloseHandle(process.hThread);
    ::CloseHandle(process.hProcess);
    return std::nullopt;
  }
};

}  // namespace

ProcessLauncher& RealProcessLauncher() {
  static CreateProcessLauncher real;
  return real;
}

}  // namespace platform
