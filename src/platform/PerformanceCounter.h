#pragma once

#include <cstdint>
#include <optional>

namespace platform {

// The high-resolution counter that the processor's clock is timed against.
// The real one ticks at kPerformanceCounterFrequency. Tests install fakes
// (tests/support/FakePerformanceCounter.h) before anything measures, not
// while it does.
class PerformanceCounter {
 public:
  virtual ~PerformanceCounter() = default;

  // Ticks per second; nullopt when there is no counter.
  virtual std::optional<uint64_t> QueryFrequency() = 0;
  // The current tick count; nullopt when there is no counter.
  virtual std::optional<uint64_t> QueryCounter() = 0;
};

constexpr uint64_t kPerformanceCounterFrequency = 10'000'000;

// The installed counter, else the real one.
PerformanceCounter& GetPerformanceCounter();
// Installs `counter` (not owned; null restores the real one) and returns the
// one installed before (null when that was the real one).
PerformanceCounter* SetPerformanceCounter(PerformanceCounter* counter);
// The real counter of this platform, defined by its backend.
PerformanceCounter& RealPerformanceCounter();

}  // namespace platform
