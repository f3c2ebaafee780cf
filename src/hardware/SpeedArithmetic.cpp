#include "hardware/SpeedArithmetic.h"

#include <cstdint>

std::optional<uint32_t> AttemptSpeed(const CounterReadings& readings, uint32_t frequency) {
  const uint32_t cycles = readings.c1 - readings.c0;
  const uint32_t tenth = frequency / 10;
  if (tenth == 0) {
    return std::nullopt;
  }
  uint32_t microseconds = ((readings.t1 - readings.t0) * 100000u) / tenth;
  // The rounding looks at the remainder by the frequency, not by the divisor
  // that produced the quotient; kept so that results match the game's.
  if (microseconds % frequency > frequency / 2) {
    ++microseconds;
  }
  if (microseconds == 0) {
    return std::nullopt;
  }
  uint32_t speed = cycles / microseconds;
  if (cycles % microseconds > microseconds / 2) {
    ++speed;
  }
  return speed;
}

bool KeepMeasuring(uint32_t tries, const AttemptWindow& window) {
  if (tries < kMinAttempts) {
    return true;
  }
  if (tries >= kMaxAttempts) {
    return false;
  }
  const int64_t total = window.Total();
  auto strays = [total](uint32_t speed) {
    const int64_t difference = 3 * int64_t{speed} - total;
    return difference > 3 || difference < -3;
  };
  return strays(window.current) || strays(window.previous) || strays(window.before_previous);
}

float FinishSpeed(uint32_t total) {
  if (total % 3 == 2) {
    ++total;
  }
  return static_cast<float>(total) * 0.33333334f;
}
