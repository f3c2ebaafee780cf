// The contract of the processor threads, priorities and performance counter,
// run against the backend the build has.

#include "platform/ProcessorThreads.h"

#include <gtest/gtest.h>

#include <bit>
#include <chrono>
#include <thread>
#include <tuple>

#include "platform/PerformanceCounter.h"
#include "platform/RealTimePriority.h"
#include "platform/SystemView.h"

// Pinned threads run on their processor only, and a processor that is not
// there runs nothing; the process may run on every active processor.
TEST(ProcessorThreads, PinnedThreadsRunWhereTheyArePinned) {
  const platform::SystemInfo info = platform::GetSystemInfo();
  EXPECT_EQ(static_cast<uint32_t>(std::popcount(info.active_processor_mask)),
            std::min(info.processor_count, 32u));
  EXPECT_EQ(platform::GetProcessAffinityMask(), info.active_processor_mask);
  auto record_processor = [](void* processor) -> uint32_t {
    *static_cast<int*>(processor) = test::CurrentProcessor();
    return 7;
  };
  for (uint32_t processor = 0; processor < 32; ++processor) {
    int ran_on = -1;
    const std::optional<uint32_t> exit_code =
        platform::RunPinnedThread(processor, record_processor, &ran_on);
    EXPECT_EQ(std::tuple(exit_code.has_value(), ran_on, exit_code.value_or(0)),
              processor < info.processor_count ? std::tuple(true, static_cast<int>(processor), 7u)
                                               : std::tuple(false, -1, 0u))
        << processor;
  }
}

// The highest real-time priority for the scope, as far as the system grants
// it, and the old scheduling comes back.
TEST(ProcessorThreads, RealTimePriorityIsRestored) {
  const auto before = test::Scheduling();
  {
    const platform::RealTimePriority priority;
    EXPECT_EQ(priority.IsRaised(), test::Scheduling() == test::RealTimeScheduling());
  }
  EXPECT_EQ(test::Scheduling(), before);
}

// The counter runs at the system's frequency and goes forward with the clock.
TEST(PerformanceCounter, FollowsTheClock) {
  platform::PerformanceCounter& counter = platform::RealPerformanceCounter();
  const uint64_t frequency = counter.QueryFrequency().value_or(0);
  EXPECT_EQ(frequency, test::SystemCounterFrequency());
  const auto clock_start = std::chrono::steady_clock::now();
  const uint64_t start = counter.QueryCounter().value_or(0);
  std::this_thread::sleep_for(std::chrono::milliseconds(50));
  const uint64_t ticks = counter.QueryCounter().value_or(0) - start;
  const auto elapsed_us = std::chrono::duration_cast<std::chrono::microseconds>(
                              std::chrono::steady_clock::now() - clock_start)
                              .count();
  EXPECT_GE(ticks, frequency * 45 / 1000);
  // Within a tenth of what the standard clock saw around it.
  EXPECT_LE(ticks, frequency * static_cast<uint64_t>(elapsed_us) * 11 / 10 / 1'000'000);
}
