#pragma once

#include <windows.h>

#include <string>

#include "platform/ProcessFolders.h"

// Starts tests/platform/win32/child (win32_child.exe, built beside the test
// program) with `arguments` and gives its process handle, or null. Events
// that the child sets are the test's own: MakeEvent names one.
namespace test {

inline std::string ChildPath() {
  return platform::ProgramFolder().value_or(".") + "\\win32_child.exe";
}

inline HANDLE StartChild(const std::string& arguments) {
  std::string command_line = "\"" + ChildPath() + "\" " + arguments;
  STARTUPINFOA startup{};
  startup.cb = sizeof startup;
  PROCESS_INFORMATION process{};
  if (!::CreateProcessA(nullptr, command_line.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr,
                        &startup, &process)) {
    return nullptr;
  }
  ::CloseHandle(process.hThread);
  return process.hProcess;
}

// A manual-reset event named after the test process and `what`.
inline std::string EventName(const std::string& what) {
  return "QvTestEvent-" + std::to_string(::GetCurrentProcessId()) + "-" + what;
}

inline DWORD ExitCodeAfter(HANDLE process, DWORD milliseconds) {
  DWORD code = STILL_ACTIVE;
  if (::WaitForSingleObject(process, milliseconds) == WAIT_OBJECT_0) {
    ::GetExitCodeProcess(process, &code);
  }
  return code;
}

}  // namespace test
