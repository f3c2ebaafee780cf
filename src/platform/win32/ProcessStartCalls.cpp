#include "platform/win32/ProcessStartCalls.h"

#include <shellapi.h>

namespace platform::win32 {
namespace {

// CREATE_DEFAULT_ERROR_MODE | NORMAL_PRIORITY_CLASS: the game gets the
// system's error mode, not ours, and normal priority.
constexpr DWORD kCreationFlags = CREATE_DEFAULT_ERROR_MODE | NORMAL_PRIORITY_CLASS;

class SystemCalls final : public ProcessStartCalls {
 public:
  // Start-up information is empty but for its size, so the game opens its
  // window in its own way.
  DWORD StartProcess(const std::string& application) override {
    STARTUPINFOA startup{};
    startup.cb = sizeof startup;
    PROCESS_INFORMATION process{};
    if (!::CreateProcessA(application.c_str(), nullptr, nullptr, nullptr, FALSE, kCreationFlags,
                          nullptr, nullptr, &startup, &process)) {
      return ::GetLastError();
    }
    ::CloseHandle(process.hThread);
    ::CloseHandle(process.hProcess);
    return ERROR_SUCCESS;
  }

  // Without SEE_MASK_NOCLOSEPROCESS the shell hands back no process handle.
  DWORD ShellOpen(const std::string& file, const std::string& folder) override {
    SHELLEXECUTEINFOA info{};
    info.cbSize = sizeof info;
    info.fMask = SEE_MASK_FLAG_NO_UI;
    info.lpVerb = "open";
    info.lpFile = file.c_str();
    info.lpDirectory = folder.empty() ? nullptr : folder.c_str();
    info.nShow = SW_SHOWNORMAL;
    if (::ShellExecuteExA(&info)) return ERROR_SUCCESS;
    const DWORD error = ::GetLastError();
    return error != ERROR_SUCCESS ? error : ERROR_GEN_FAILURE;
  }
};

}  // namespace

ProcessStartCalls& SystemProcessStartCalls() {
  static SystemCalls calls;
  return calls;
}

}  // namespace platform::win32
