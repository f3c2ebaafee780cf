#include "hardware/SpeedArithmetic.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <vector>

namespace {

constexpr uint32_t kFrequency = 10'000'000;

// Readings of one attempt at `mhz` over exactly 1000 ticks (100 µs).
CounterReadings AttemptAt(uint32_t mhz) {
  return {7, 1007, 123, 123 + mhz * 100};
}

SpeedOutcome Measure(const std::vector<CounterReadings>& attempts,
                     uint32_t frequency = kFrequency) {
  size_t next = 0;  // the last reading repeats
  return SpeedFromReadings(frequency,
                           [&] { return attempts[std::min(next++, attempts.size() - 1)]; });
}

}  // namespace

// One attempt: 32-bit wrap-around, both rounding steps, the divide-by-zero cases.
TEST(SpeedArithmetic, AttemptRoundsLikeTheGame) {
  EXPECT_EQ(AttemptSpeed({0, 1000, 0, 50049}, kFrequency), 500u);
  EXPECT_EQ(AttemptSpeed({0, 1000, 0, 50051}, kFrequency), 501u);
  // The counters wrap in their low 32 bits.
  EXPECT_EQ(AttemptSpeed({0xFFFFFE00u, 0x000001E8u, 0xFFFFFFF0u, 0x0000C340u}, kFrequency), 500u);
  // The microseconds are rounded up by their remainder by the frequency:
  // 100000 % 11 = 10 > 5 makes 100001 µs, and 100050500 cycles then round
  // down to 1000 where 100000 µs would have given 1001.
  EXPECT_EQ(AttemptSpeed({0, 1, 0, 100050500}, 11), 1000u);
  EXPECT_EQ(AttemptSpeed({5, 5, 0, 50000}, kFrequency), std::nullopt);
  EXPECT_EQ(AttemptSpeed({0, 1000, 0, 50000}, 9), std::nullopt);
}

// The stop rule and the final rounding, with the examples the game's figures rest on.
TEST(SpeedArithmetic, CombinesAttemptsAndStops) {
  SpeedOutcome outcome = Measure({AttemptAt(500), AttemptAt(501), AttemptAt(500)});
  EXPECT_EQ(outcome.tries, 3u);
  EXPECT_NEAR(*outcome.speed, 500.33f, 0.005f);
  outcome = Measure({AttemptAt(499), AttemptAt(500), AttemptAt(500)});
  EXPECT_EQ(outcome.tries, 3u);
  EXPECT_EQ(*outcome.speed, 500.0f);
  // One stray attempt keeps the measurement going until it leaves the window.
  outcome = Measure({AttemptAt(500), AttemptAt(510), AttemptAt(500), AttemptAt(500)});
  EXPECT_EQ(outcome.tries, 5u);
  // Never settling stops at twenty attempts, with the last three averaged.
  std::vector<CounterReadings> restless;
  for (uint32_t i = 0; i < 40; ++i) restless.push_back(AttemptAt(i % 2 == 0 ? 500 : 1000));
  outcome = Measure(restless);
  EXPECT_EQ(outcome.tries, 20u);
  EXPECT_FLOAT_EQ(*outcome.speed, (1000 + 500 + 1000) * 0.33333334f);
  // A zero interval or a tiny frequency is a fault: no speed, and no further attempts.
  outcome = Measure({AttemptAt(500), {3, 3, 0, 100}, AttemptAt(500)});
  EXPECT_EQ(outcome.speed, std::nullopt);
  EXPECT_EQ(outcome.tries, 2u);
  outcome = Measure({AttemptAt(500)}, 9);
  EXPECT_EQ(outcome.speed, std::nullopt);
  EXPECT_EQ(outcome.tries, 1u);
}
