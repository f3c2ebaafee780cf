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
  // Nothing when it started, else the system's error.
  virtual std::optional<SystemError> Start(const std::string& path) = 0;
};

// The launcher the application uses: the one installed last, or the
// operating system's own when none is installed.
ProcessLauncher& GetProcessLauncher();

// Installs `launcher` (not owned; null restores the system's own) and returns
// the one installed before, null if that was the system's own.
ProcessLauncher* SetProcessLauncher(ProcessLauncher* launcher);

}  // namespace platform
