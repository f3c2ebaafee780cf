#pragma once

#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "platform/ProcessLauncher.h"

// Records the programs it is asked to start and answers with `error`
// (nothing: started); `on_start` runs at each start, to look around then.
struct FakeProcessLauncher final : platform::ProcessLauncher {
  std::optional<platform::SystemError> Start(const std::string& path) override {
    started.push_back(path);
    if (on_start) on_start();
    return error;
  }

  std::optional<platform::SystemError> error;
  std::vector<std::string> started;
  std::function<void()> on_start;
};
