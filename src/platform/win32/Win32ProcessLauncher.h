#pragma once

#include "platform/ProcessLauncher.h"
#include "platform/win32/ProcessStartCalls.h"

namespace platform::win32 {

// Starts the game with CreateProcessA. A program whose manifest asks for more
// rights than the tool has fails there with ERROR_ELEVATION_REQUIRED; it is
// then started through the shell, which asks the user's consent as a
// double-click would, instead of the tool showing that error. A refusal or
// any other failure is the system's error.
class Win32ProcessLauncher final : public ProcessLauncher {
 public:
  explicit Win32ProcessLauncher(ProcessStartCalls& calls) : m_calls(calls) {}

  std::optional<SystemError> Start(const std::string& path) override;

 private:
  ProcessStartCalls& m_calls;
};

}  // namespace platform::win32
