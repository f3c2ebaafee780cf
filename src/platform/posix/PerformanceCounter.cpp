#include "platform/PerformanceCounter.h"

#include <ctime>

namespace platform::posix {
namespace {

// The monotonic clock that no time adjustment slews, scaled to 10 MHz so that
// one measurement attempt lasts as long as on the game's own platform.
class MonotonicPerformanceCounter : public PerformanceCounter {
 public:
  std::optional<uint64_t> QueryFrequency() override { return kPerformanceCounterFrequency; }

  std::optional<uint64_t> QueryCounter() override {
    timespec now{};
    if (clock_gettime(CLOCK_MONOTONIC_RAW, &now) != 0) {
      return std::nullopt;
    }
    constexpr uint64_t kNanosecondsPerTick = 1'000'000'000 / kPerformanceCounterFrequency;
    return static_cast<uint64_t>(now.tv_sec) * kPerformanceCounterFrequency +
           static_cast<uint64_t>(now.tv_nsec) / kNanosecondsPerTick;
  }
};

}  // namespace
}  // namespace platform::posix

namespace platform {

PerformanceCounter& RealPerformanceCounter() {
  static posix::MonotonicPerformanceCounter real;
  return real;
}

}  // namespace platform
