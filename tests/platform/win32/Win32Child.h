#pragma once

#include <windows.h>

#include <string>

// Starts tests/platform/win32/child (win32_child.exe, built beside the test
// program) with `arguments` and gives its process handle, or null. Events
// that the child sets are the test's own: MakeEvent names one.
namespace test {

// The folder of the test program, with its final backslash.
inline std::string ProgramFolder() {
  char path[MAX_PATH];
  const DWORD length = ::GetModuleFileNameA(nullptr, path, MAX_PATH);
  const std::string own(path, length);
  return own.substr(0, own.find_last_of('\\') + 1);
}

inline std::string ChildPath() {
  return ProgramFolder() + "win32_child.exe";
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
