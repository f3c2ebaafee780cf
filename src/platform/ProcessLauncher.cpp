#include "platform/ProcessLauncher.h"

#include "platform/Seam.h"

namespace platform {
namespace {

constinit Seam<ProcessLauncher> s_seam(&RealProcessLauncher);

}  // namespace

ProcessLauncher& GetProcessLauncher() {
  return s_seam.Get();
}

ProcessLauncher* SetProcessLauncher(ProcessLauncher* launcher) {
  return s_seam.Set(launcher);
}

}  // namespace platform
