#pragma once

#include <cstdint>
#include <optional>

// The arithmetic of the clock-speed measurement, apart from the counters it
// reads, so that it can be checked with canned readings. Everything is
// unsigned 32-bit on the low halves of the counters, as the game has always
// measured, so the results (and their rounding) match it.

// The readings of one attempt: performance counter t0 and t1 around the
// interval, time-stamp counter c0 and c1 at its ends.
struct CounterReadings {
  uint32_t t0 = 0;
  uint32_t t1 = 0;
  uint32_t c0 = 0;
  uint32_t c1 = 0;
};

// MHz of one attempt, rounded; nullopt for a division by zero (a frequency
// below 10 or an interval of 0 µs), which the measurement treats as a fault.
std::optional<uint32_t> AttemptSpeed(const CounterReadings& readings, uint32_t frequency);

// The last three attempts, newest first.
struct AttemptWindow {
  uint32_t current = 0;
  uint32_t previous = 0;
  uint32_t before_previous = 0;

  uint32_t Total() const { return before_previous + previous + current; }
};

constexpr uint32_t kMinAttempts = 3;
constexpr uint32_t kMaxAttempts = 20;

// Whether to take another attempt after `tries` attempts: always below three,
// never at twenty, otherwise while one of the three strays more than 1 MHz
// from their mean.
bool KeepMeasuring(uint32_t tries, const AttemptWindow& window);

// The speed in MHz from the last three attempts' total.
float FinishSpeed(uint32_t total);

struct SpeedOutcome {
  // nullopt when an attempt divided by zero.
  std::optional<float> speed;
  uint32_t tries = 0;
};

// Runs attempts until the stop rule holds. take_readings() performs one
// attempt and returns its readings. Holds only trivially destructible state,
// so it may run under a fault guard.
template <typename TakeReadings>
SpeedOutcome SpeedFromReadings(uint32_t frequency, TakeReadings&& take_readings) {
  SpeedOutcome outcome;
  AttemptWindow window;
  do {
    ++outcome.tries;
    window.before_previous = window.previous;
    window.previous = window.current;
    const std::optional<uint32_t> speed = AttemptSpeed(take_readings(), frequency);
    if (!speed) {
      return outcome;
    }
    window.current = *speed;
  } while (KeepMeasuring(outcome.tries, window));
  outcome.speed = FinishSpeed(window.Total());
  return outcome;
}
