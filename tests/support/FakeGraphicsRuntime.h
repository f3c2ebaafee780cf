#pragma once

#include <optional>

#include "platform/GraphicsRuntime.h"

// A graphics runtime of a chosen version (nullopt: none can be loaded); the
// current one by default.
struct FakeGraphicsRuntime final : platform::GraphicsRuntime {
  std::optional<platform::RuntimeVersion> QueryVersion() override { return version; }

  std::optional<platform::RuntimeVersion> version =
      platform::RuntimeVersion{platform::kRuntimeVersionCurrent, 0};
};
