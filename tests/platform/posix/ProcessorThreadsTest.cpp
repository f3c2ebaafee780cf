#include "platform/ProcessorThreads.h"

#include <gtest/gtest.h>
#include <sched.h>

#include <bit>
#include <cerrno>
#include <tuple>
#include <utility>

#include "platform/RealTimePriority.h"

// Pinned threads run on their processor only, and a processor that is not there runs nothing;
// an empty mask is refused with the system's reason.
TEST(ProcessorThreads, PinnedThreadsRunWhereTheyArePinned) {
  const platform::SystemInfo info = platform::GetSystemInfo();
  EXPECT_EQ(static_cast<uint32_t>(std::popcount(info.active_processor_mask)),
            std::min(info.processor_count, 32u));
  const std::optional<uint32_t> mask = platform::GetProcessAffinityMask();
  ASSERT_TRUE(mask);
  EXPECT_EQ(platform::SetProcessAffinityMask(*mask), std::nullopt);
  const std::optional<platform::SystemError> refused = platform::SetProcessAffinityMask(0);
  ASSERT_TRUE(refused);
  EXPECT_EQ(refused->number, EINVAL);
  EXPECT_FALSE(refused->text.empty());
  auto record_processor = [](void* processor) -> uint32_t {
    *static_cast<int*>(processor) = sched_getcpu();
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

// Real-time priority lasts for the scope, and the old scheduling comes back.
TEST(ProcessorThreads, RealTimePriorityIsRestored) {
  auto scheduling = [] {
    sched_param param{};
    return std::pair(sched_getscheduler(0), (sched_getparam(0, &param), param.sched_priority));
  };
  const auto before = scheduling();
  {
    const platform::RealTimePriority priority;
    const auto raised = std::pair(SCHED_FIFO, sched_get_priority_max(SCHED_FIFO));
    EXPECT_EQ(scheduling(), priority.IsRaised() ? raised : before);
  }
  EXPECT_EQ(scheduling(), before);
}
