#include "platform/ProcessorThreads.h"

#include <gtest/gtest.h>
#include <windows.h>

#include <bit>
#include <tuple>
#include <utility>

#include "platform/PerformanceCounter.h"
#include "platform/RealTimePriority.h"

// Pinned threads run on their processor only, and a processor that is not there runs nothing.
TEST(Win32ProcessorThreads, PinnedThreadsRunWhereTheyArePinned) {
  const platform::SystemInfo info = platform::GetSystemInfo();
  EXPECT_EQ(static_cast<uint32_t>(std::popcount(info.active_processor_mask)),
            std::min(info.processor_count, 32u));
  EXPECT_EQ(platform::GetProcessAffinityMask(), info.active_processor_mask);
  auto record_processor = [](void* processor) -> uint32_t {
    *static_cast<int*>(processor) = static_cast<int>(::GetCurrentProcessorNumber());
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

// Real-time class and time-critical thread for the scope, as far as granted, and the old
// priorities come back.
TEST(Win32ProcessorThreads, RealTimePriorityIsRestored) {
  auto priorities = [] {
    return std::pair(::GetPriorityClass(::GetCurrentProcess()),
                     ::GetThreadPriority(::GetCurrentThread()));
  };
  const auto before = priorities();
  {
    const platform::RealTimePriority priority;
    const auto raised = std::pair(DWORD{REALTIME_PRIORITY_CLASS}, THREAD_PRIORITY_TIME_CRITICAL);
    EXPECT_EQ(priority.IsRaised(), priorities() == raised);
  }
  EXPECT_EQ(priorities(), before);
}

// The counter runs at the system's frequency and goes forward with the clock.
TEST(Win32ProcessorThreads, PerformanceCounterFollowsTheClock) {
  platform::PerformanceCounter& counter = platform::GetPerformanceCounter();
  const uint64_t frequency = counter.QueryFrequency().value_or(0);
  LARGE_INTEGER system{};
  ::QueryPerformanceFrequency(&system);
  EXPECT_EQ(frequency, static_cast<uint64_t>(system.QuadPart));
  const uint64_t start = counter.QueryCounter().value_or(0);
  ::Sleep(50);
  const uint64_t ticks = counter.QueryCounter().value_or(0) - start;
  EXPECT_GE(ticks, frequency * 45 / 1000);
  EXPECT_LT(ticks, frequency * 5);
}
