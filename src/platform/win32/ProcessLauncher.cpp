#include "platform/ProcessLauncher.h"

#include "platform/win32/Win32ProcessLauncher.h"

namespace platform {

ProcessLauncher& RealProcessLauncher() {
  static win32::Win32ProcessLauncher real(win32::SystemProcessStartCalls());
  return real;
}

}  // namespace platform
