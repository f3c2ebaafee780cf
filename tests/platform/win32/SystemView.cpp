#include "platform/SystemView.h"

#include <windows.h>

int test::CurrentProcessor() {
  return static_cast<int>(::GetCurrentProcessorNumber());
}

std::pair<long, long> test::Scheduling() {
  return {static_cast<long>(::GetPriorityClass(::GetCurrentProcess())),
          ::GetThreadPriority(::GetCurrentThread())};
}

std::pair<long, long> test::RealTimeScheduling() {
  return {REALTIME_PRIORITY_CLASS, THREAD_PRIORITY_TIME_CRITICAL};
}

std::uint64_t test::SystemCounterFrequency() {
  LARGE_INTEGER frequency{};
  ::QueryPerformanceFrequency(&frequency);
  return static_cast<std::uint64_t>(frequency.QuadPart);
}
