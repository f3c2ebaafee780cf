#include "platform/RealTimePriority.h"

#include "platform/win32/Win32Support.h"

namespace platform {

// The process class and the thread priority are saved as the "policy" and
// "priority". Without the privilege to raise the base priority the system
// grants the high class instead of the real-time one and says nothing, so
// what was granted is read back.
RealTimePriority::RealTimePriority() {
  const HANDLE process = ::GetCurrentProcess();
  const HANDLE thread = ::GetCurrentThread();
  const DWORD saved_class = ::GetPriorityClass(process);
  const int saved_priority = ::GetThreadPriority(thread);
  if (saved_class == 0 || saved_priority == THREAD_PRIORITY_ERROR_RETURN) return;
  m_saved_policy = static_cast<int>(saved_class);
  m_saved_priority = saved_priority;
  ::SetPriorityClass(process, REALTIME_PRIORITY_CLASS);
  ::SetThreadPriority(thread, THREAD_PRIORITY_TIME_CRITICAL);
  m_raised = ::GetPriorityClass(process) == REALTIME_PRIORITY_CLASS &&
             ::GetThreadPriority(thread) == THREAD_PRIORITY_TIME_CRITICAL;
}

// Restored whenever the saved values could be read: a refused class may
// still have come with a raised thread priority.
RealTimePriority::~RealTimePriority() {
  if (m_saved_policy == 0) return;
  ::SetThreadPriority(::GetCurrentThread(), m_saved_priority);
  ::SetPriorityClass(::GetCurrentProcess(), static_cast<DWORD>(m_saved_policy));
}

}  // namespace platform
