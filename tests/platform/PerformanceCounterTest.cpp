#include "platform/PerformanceCounter.h"

#include <gtest/gtest.h>

#include <chrono>
#include <thread>

#include "support/FakePerformanceCounter.h"

// The real counter ticks at 10 MHz; an installed fake replaces it until it goes.
TEST(PerformanceCounter, TicksAtTenMegahertzAndCanBeReplaced) {
  platform::PerformanceCounter& real = platform::CurrentPerformanceCounter();
  uint64_t frequency = 0;
  ASSERT_TRUE(real.QueryFrequency(frequency));
  EXPECT_EQ(frequency, 10'000'000u);

  uint64_t start = 0, end = 0;
  const auto wall_start = std::chrono::steady_clock::now();
  ASSERT_TRUE(real.QueryCounter(start));
  std::this_thread::sleep_for(std::chrono::milliseconds(20));
  ASSERT_TRUE(real.QueryCounter(end));
  const auto wall = std::chrono::steady_clock::now() - wall_start;
  const double expected_ticks =
      std::chrono::duration_cast<std::chrono::nanoseconds>(wall).count() / 100.0;
  EXPECT_NEAR(static_cast<double>(end - start), expected_ticks, expected_ticks * 0.2);

  {
    FakePerformanceCounter fake(std::nullopt);
    EXPECT_EQ(&platform::CurrentPerformanceCounter(), &fake);
    EXPECT_FALSE(platform::CurrentPerformanceCounter().QueryFrequency(frequency));
  }
  EXPECT_EQ(&platform::CurrentPerformanceCounter(), &real);
}
