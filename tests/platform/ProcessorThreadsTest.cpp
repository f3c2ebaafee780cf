#include "platform/ProcessorThreads.h"

#include <gtest/gtest.h>

#include <bit>
#include <thread>

#include "platform/RealTimePriority.h"

#include <pthread.h>
#include <sched.h>

namespace {

struct Visit {
  bool ran = false;
  int processor = -1;
  int policy = -1;
  int priority = -1;
};

uint32_t RecordVisit(void* context) {
  auto& visit = *static_cast<Visit*>(context);
  visit.ran = true;
  visit.processor = sched_getcpu();
  return 7;
}

void ReadScheduling(Visit& visit) {
  sched_param param{};
  pthread_getschedparam(pthread_self(), &visit.policy, &param);
  visit.priority = param.sched_priority;
}

}  // namespace

// Pinned threads run on their processor only, and a processor that is not there runs nothing.
TEST(ProcessorThreads, PinnedThreadsRunWhereTheyArePinned) {
  const platform::SystemInfo info = platform::GetSystemInfo();
  ASSERT_GE(info.processor_count, 1u);
  EXPECT_EQ(info.processor_count, std::thread::hardware_concurrency());
  EXPECT_EQ(static_cast<uint32_t>(std::popcount(info.active_processor_mask)),
            std::min(info.processor_count, 32u));

  uint32_t mask = 0;
  ASSERT_TRUE(platform::GetProcessAffinityMask(mask));
  for (uint32_t processor = 0; processor < 32; ++processor) {
    Visit visit;
    uint32_t exit_code = 0;
    const bool ran = platform::RunPinnedThread(processor, &RecordVisit, &visit, exit_code);
    if (processor < info.processor_count) {
      ASSERT_TRUE(ran) << processor;
      EXPECT_EQ(visit.processor, static_cast<int>(processor));
      EXPECT_EQ(exit_code, 7u);
    } else {
      EXPECT_FALSE(ran) << processor;
      EXPECT_FALSE(visit.ran) << processor;
    }
  }
}

// Real-time priority lasts for the scope, and the old scheduling comes back.
TEST(ProcessorThreads, RealTimePriorityIsRestored) {
  Visit before;
  ReadScheduling(before);
  {
    const platform::RealTimePriority priority;
    Visit during;
    ReadScheduling(during);
    if (priority.IsRaised()) {
      EXPECT_EQ(during.policy, SCHED_FIFO);
      EXPECT_EQ(during.priority, sched_get_priority_max(SCHED_FIFO));
    } else {
      EXPECT_EQ(during.policy, before.policy);
      EXPECT_EQ(during.priority, before.priority);
    }
  }
  Visit after;
  ReadScheduling(after);
  EXPECT_EQ(after.policy, before.policy);
  EXPECT_EQ(after.priority, before.priority);
}
