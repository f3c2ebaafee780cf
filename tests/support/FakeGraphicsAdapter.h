#pragma once

#include <cstdint>
#include <optional>

#include "platform/GraphicsAdapter.h"

// A graphics adapter with chosen capability bits (nullopt: the graphics object
// cannot be created); it counts the queries.
struct FakeGraphicsAdapter final : platform::GraphicsAdapter {
  explicit FakeGraphicsAdapter(std::optional<uint32_t> caps = std::nullopt) : dev_caps(caps) {}
  std::optional<uint32_t> QueryDefaultDeviceCaps() override { return ++queries, dev_caps; }

  std::optional<uint32_t> dev_caps;
  int queries = 0;
};
