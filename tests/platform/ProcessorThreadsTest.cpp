#include "platform/ProcessorThreads.h"

#include <gtest/gtest.h>

#include <bit>
#include <thread>
#include <tuple>
#include <utility>

#include "platform/RealTimePriority.h"

#include <pthread.h>
#include <sched.h>

namespace {

uint32_t RecordProcessor(void* processor) {
  *static_cast<int*>(processor) = sched_getcpu();
  return 7;
}

// The calling thread's scheduling policy and priority.
std::pair<int, int> Scheduling() {
  int policy = -1;
  sched_param param{};
  pthread_getschedparam(pthread_self(), &policy, &param);
  return {policy, param.sched_priority};
}

}  // namespace

// Pinned threads run on their processor only, and a processor that is not there runs nothing.
TEST(ProcessorThreads, PinnedThreadsRunWhereTheyArePinned) {
  const platform::SystemInfo info = platform::GetSystemInfo();
  ASSERT_GE(info.processor_count, 1u);
  EXPECT_EQ(info.processor_count, std::thread::hardware_concurrency());
  EXPECT_EQ(static_cast<uint32_t>(std::popcount(info.active_processor_mask)),
            std::min(info.processor_count, 32u));
  for (uint32_t processor = 0; processor < 32; ++processor) {
    int ran_on = -1;
    uint32_t exit_code = 0;
    const bool ran = platform::RunPinnedThread(processor, &RecordProcessor, &ran_on, exit_code);
    const bool exists = processor < info.processor_count;
    EXPECT_EQ(
        std::tuple(ran, ran_on, exit_code),
        exists ? std::tuple(true, static_cast<int>(processor), 7u) : std::tuple(false, -1, 0u))
        << processor;
  }
}

// Real-time priority lasts for the scope, and the old scheduling comes back.
TEST(ProcessorThreads, RealTimePriorityIsRestored) {
  const auto before = Scheduling();
  {
    const platform::RealTimePriority priority;
    const auto raised = std::make_pair(SCHED_FIFO, sched_get_priority_max(SCHED_FIFO));
    EXPECT_EQ(Scheduling(), priority.IsRaised() ? raised : before);
  }
  EXPECT_EQ(Scheduling(), before);
}
