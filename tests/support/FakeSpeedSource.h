#pragma once

#include <optional>

#include "hardware/SpeedSource.h"

// A first processor of a chosen speed (nullopt: unknown); it counts the
// measurements.
struct FakeSpeedSource final : SpeedSource {
  explicit FakeSpeedSource(std::optional<float> mhz = std::nullopt) : speed(mhz) {}
  std::optional<float> FirstProcessorSpeed() override { return ++measurements, speed; }

  std::optional<float> speed;
  int measurements = 0;
};
