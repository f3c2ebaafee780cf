#include "platform/SystemView.h"

#include <sched.h>

#include "platform/PerformanceCounter.h"

int test::CurrentProcessor() {
  return sched_getcpu();
}

std::pair<long, long> test::Scheduling() {
  sched_param param{};
  sched_getparam(0, &param);
  return {sched_getscheduler(0), param.sched_priority};
}

std::pair<long, long> test::RealTimeScheduling() {
  return {SCHED_FIFO, sched_get_priority_max(SCHED_FIFO)};
}

// The monotonic clock scaled to the Windows counter's 10 MHz.
std::uint64_t test::SystemCounterFrequency() {
  return platform::kPerformanceCounterFrequency;
}
