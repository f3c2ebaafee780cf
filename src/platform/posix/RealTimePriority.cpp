#include "platform/RealTimePriority.h"

#include <pthread.h>
#include <sched.h>

namespace platform {

RealTimePriority::RealTimePriority() {
  sched_param saved{};
  if (pthread_getschedparam(pthread_self(), &m_saved_policy, &saved) != 0) {
    return;
  }
  m_saved_priority = saved.sched_priority;
  sched_param raised{};
  raised.sched_priority = sched_get_priority_max(SCHED_FIFO);
  // Refused without the right to real-time scheduling; the caller then runs
  // at the priority it has.
  m_raised =
      raised.sched_priority >= 0 && pthread_setschedparam(pthread_self(), SCHED_FIFO, &raised) == 0;
}

RealTimePriority::~RealTimePriority() {
  if (!m_raised) {
    return;
  }
  sched_param saved{};
  saved.sched_priority = m_saved_priority;
  pthread_setschedparam(pthread_self(), m_saved_policy, &saved);
}

}  // namespace platform
