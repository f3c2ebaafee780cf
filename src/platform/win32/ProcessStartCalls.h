#pragma once

#include <string>

#include "platform/win32/Win32Support.h"

namespace platform::win32 {

// ERROR_ELEVATION_REQUIRED: the program asks for more rights than the caller
// has. MinGW-w64's headers lack its name.
constexpr DWORD kErrorElevationRequired = 740;

// The two system calls that start the game, as the launcher makes them, so
// that tests can stand in for the system's answers. Each returns
// ERROR_SUCCESS when the program started, else the system's error value.
class ProcessStartCalls {
 public:
  virtual ~ProcessStartCalls() = default;

  // CreateProcessA with `application` as the application name and no command
  // line, so the system looks nowhere but the given path and the program's
  // command line is its name alone; in the current folder, with the
  // system's error mode and normal priority. Closes the handles it gets.
  virtual DWORD StartProcess(const std::string& application) = 0;
  // ShellExecuteExA with the verb "open" of `file` in `folder`: the shell's
  // road, on which Windows asks the user's consent for a program that needs
  // more rights. No error box of the shell's own.
  virtual DWORD ShellOpen(const std::string& file, const std::string& folder) = 0;
};

// The real calls.
ProcessStartCalls& SystemProcessStartCalls();

}  // namespace platform::win32
