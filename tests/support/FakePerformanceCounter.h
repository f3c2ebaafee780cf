#pragma once

#include <atomic>
#include <cstdint>
#include <optional>

#include "platform/PerformanceCounter.h"

// A counter at `frequency` (0: none) that advances one tick per read and
// fails from read `failing_read` on. Read from the measuring thread.
struct FakePerformanceCounter final : platform::PerformanceCounter {
  FakePerformanceCounter(uint64_t frequency, uint64_t failing_read)
      : frequency(frequency), fails(failing_read) {}
  std::optional<uint64_t> QueryFrequency() override {
    return frequency != 0 ? std::optional(frequency) : std::nullopt;
  }
  std::optional<uint64_t> QueryCounter() override {
    const uint64_t ticks = ++reads;
    return ticks <= fails && frequency != 0 ? std::optional(ticks) : std::nullopt;
  }

  const uint64_t frequency, fails;
  std::atomic<uint64_t> reads{0};
};
