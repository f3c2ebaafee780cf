#pragma once

#include "platform/ProcessLauncher.h"

namespace platform {

// Starts programs with posix_spawn. The new program gets default signal
// handling and an empty signal mask, so it starts as if from a shell, and
// inherits none of our descriptors (ours are all opened close-on-exec).
class PosixProcessLauncher final : public ProcessLauncher {
 public:
  std::optional<SystemError> Start(const std::string& path) override;
};

}  // namespace platform
