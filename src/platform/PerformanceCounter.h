#pragma once

#include <cstdint>
#include <optional>

namespace platform {

// The high-resolution counter that the processor's clock is timed against.
// The real one ticks at kPerformanceCounterFrequency. Tests install fakes
// (tests/support/FakePerformanceCounter.h).
class PerformanceCounter {
 public:
  virtual ~PerformanceCounter() = default;

  // Ticks per second; nullopt when there is no counter.
  virtual std::optional<uint64_t> QueryFrequency() = 0;
  // The current tick count; nullopt when there is no counter.
  virtual std::optional<uint64_t> QueryCounter() = 0;
};

constexpr uint64_t kPerformanceCounterFrequency = 10'000'000;

// The counter in use: the installed one, else the real one.
PerformanceCounter& CurrentPerformanceCounter();

// Installs `counter` (not owned; null restores the real one) and returns the
// one installed before. Install before anything measures, not while it does.
PerformanceCounter* InstallPerformanceCounter(PerformanceCounter* counter);

}  // namespace platform
