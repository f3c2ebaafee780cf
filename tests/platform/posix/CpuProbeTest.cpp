#include "platform/CpuProbe.h"

#include <gtest/gtest.h>

#include <atomic>
#include <csignal>
#include <thread>
#include <vector>
#include <x86intrin.h>

namespace {

// The handler of each fault signal as it is now.
std::vector<void*> Handlers() {
  std::vector<void*> handlers;
  for (const int signal : {SIGILL, SIGFPE, SIGSEGV, SIGBUS}) {
    struct sigaction action = {};
    sigaction(signal, nullptr, &action);
    handlers.push_back(reinterpret_cast<void*>(action.sa_handler));
  }
  return handlers;
}

// The faults are raised in assembly so that no sanitizer check gets there first.
void WriteToNull(void*) {
  asm volatile("movl $1, (%0)" : : "r"(static_cast<int*>(nullptr)) : "memory");
}
void DivideByZero(void*) {
  asm volatile("xor %%ecx, %%ecx\n\tdivl %%ecx" ::: "eax", "ecx", "edx", "cc");
}
void UndefinedInstruction(void*) {
  asm volatile("ud2");
}

void ChangeControlsThenFault(void*) {
  _mm_setcsr(_mm_getcsr() ^ 0x6000);  // rounding mode
  const uint16_t control_word = 0x027F;
  asm volatile("fldcw %0" : : "m"(control_word));
  WriteToNull(nullptr);
}

uint16_t X87ControlWord() {
  uint16_t control_word = 0;
  asm volatile("fnstcw %0" : "=m"(control_word));
  return control_word;
}

}  // namespace

// Each kind of fault is caught, on several threads at once; the handlers and
// control registers are left as they were.
TEST(CpuProbe, CatchesFaultsAndLeavesNothingBehind) {
  const auto handlers = Handlers();
  const uint32_t sse_control = _mm_getcsr();
  const uint16_t x87_control = X87ControlWord();
  std::atomic<int> caught{0};
  auto run_faults = [&caught] {
    // The second null write checks the signal is not left blocked after the first.
    for (auto* fault : {&WriteToNull, &DivideByZero, &UndefinedInstruction,
                        &ChangeControlsThenFault, &WriteToNull}) {
      caught += platform::RunWithFaultGuard(fault, nullptr) ? 0 : 1;
    }
  };
  std::thread other_threads[] = {std::thread(run_faults), std::thread(run_faults)};
  run_faults();
  for (std::thread& thread : other_threads) thread.join();
  EXPECT_EQ(caught, 15);
  // A faulting guard inside another: the inner one catches it, the outer one finishes.
  int inner_completed = -1;
  EXPECT_TRUE(platform::RunWithFaultGuard(
      [](void* inner) {
        *static_cast<int*>(inner) = platform::RunWithFaultGuard(&DivideByZero, 0);
      },
      &inner_completed));
  EXPECT_EQ(inner_completed, 0);
  // The unmasked divide faults on every SSE processor, and MXCSR comes back.
  EXPECT_FALSE(platform::ProbeUnmaskedDivide());
  EXPECT_EQ(Handlers(), handlers);
  EXPECT_EQ(_mm_getcsr(), sse_control);
  EXPECT_EQ(X87ControlWord(), x87_control);
}
