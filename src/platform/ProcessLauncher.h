#pragma once

#include <optional>
#include <string>

#include "platform/SystemError.h"

namespace platform {

// Starts another program beside this one and does not wait for it.
class ProcessLauncher {
 public:
  virtual ~ProcessLauncher() = default;

  // Starts the program at `path`, taken as it is (relative to the current
  // directory, never looked up along a search path), with no arguments but
  // its own name, this process's environment and current directory.
  // A program of another system that this one cannot run itself may be
  // started through a compatibility layer instead, in the same way; when that
  // layer is missing, the error's text says what to install.
  // Nothing when it started, else the system's error.
  virtual std::optional<SystemError> Start(const std::string& path) = 0;
};

// The installed launcher, else the real one.
ProcessLauncher& GetProcessLauncher();
// Installs `launcher` (not owned; null restores the real one) and returns the
// one installed before (null when that was the real one).
ProcessLauncher* SetProcessLauncher(ProcessLauncher* launcher);
// The real launcher of this platform, defined by its backend.
ProcessLauncher& RealProcessLauncher();

}  // namespace platform
