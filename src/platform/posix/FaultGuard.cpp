#include "platform/CpuProbe.h"

#include <csetjmp>
#include <csignal>
#include <mutex>
#include <immintrin.h>

#include "platform/X87ControlWord.h"

namespace platform::posix {
namespace {

constexpr int kFaultSignals[] = {SIGILL, SIGFPE, SIGSEGV, SIGBUS};
constexpr int kFaultSignalCount = 4;

// Signal dispositions belong to the process, so the handlers are shared by
// every thread and installed by the outermost guard of whichever thread
// probes; the jump target belongs to the thread that probes.
std::recursive_mutex s_guard_mutex;
struct sigaction s_previous_actions[kFaultSignalCount];
thread_local sigjmp_buf* t_jump_target = nullptr;
thread_local int t_guard_depth = 0;

int SignalSlot(int signal_number) {
  for (int i = 0; i < kFaultSignalCount; ++i) {
    if (kFaultSignals[i] == signal_number) {
      return i;
    }
  }
  return -1;
}

// A fault outside any probe (another thread's bug while one probes) goes to
// whoever handled the signal before; with no handler, the default action
// comes back and the faulting instruction runs again into it.
void ForwardFault(int signal_number, siginfo_t* info, void* context) {
  const int slot = SignalSlot(signal_number);
  if (slot < 0) {
    return;
  }
  const struct sigaction& previous = s_previous_actions[slot];
  if ((previous.sa_flags & SA_SIGINFO) != 0 && previous.sa_sigaction != nullptr) {
    previous.sa_sigaction(signal_number, info, context);
  } else if (previous.sa_handler != SIG_DFL && previous.sa_handler != SIG_IGN) {
    previous.sa_handler(signal_number);
  } else {
    signal(signal_number, SIG_DFL);
  }
}

void OnFault(int signal_number, siginfo_t* info, void* context) {
  sigjmp_buf* target = t_jump_target;
  if (target == nullptr) {
    ForwardFault(signal_number, info, context);
    return;
  }
  siglongjmp(*target, 1);
}

void InstallHandlers() {
  struct sigaction action = {};
  action.sa_sigaction = &OnFault;
  action.sa_flags = SA_SIGINFO;
  sigemptyset(&action.sa_mask);
  for (int i = 0; i < kFaultSignalCount; ++i) {
    sigaction(kFaultSignals[i], &action, &s_previous_actions[i]);
  }
}

void RestoreHandlers() {
  for (int i = 0; i < kFaultSignalCount; ++i) {
    sigaction(kFaultSignals[i], &s_previous_actions[i], nullptr);
  }
}

bool RunGuarded(void (*body)(void*), void* context) {
  const std::lock_guard<std::recursive_mutex> lock(s_guard_mutex);
  const bool outermost = t_guard_depth == 0;
  if (outermost) {
    InstallHandlers();
  }
  // After a jump out of a handler the SSE and x87 control state are the
  // handler's, not ours, so both are put back by hand.
  const uint32_t saved_sse_control = _mm_getcsr();
  const uint16_t saved_x87_control = ReadX87ControlWord();
  sigjmp_buf target;
  sigjmp_buf* const outer_target = t_jump_target;
  t_jump_target = &target;
  ++t_guard_depth;
  volatile bool completed = false;
  if (sigsetjmp(target, 1) == 0) {
    body(context);
    completed = true;
  } else {
    _mm_setcsr(saved_sse_control);
    LoadX87ControlWord(saved_x87_control);
  }
  --t_guard_depth;
  t_jump_target = outer_target;
  if (outermost) {
    RestoreHandlers();
  }
  return completed;
}

}  // namespace
}  // namespace platform::posix

namespace platform {

bool RunWithFaultGuard(void (*body)(void*), void* context) {
  return posix::RunGuarded(body, context);
}

}  // namespace platform
