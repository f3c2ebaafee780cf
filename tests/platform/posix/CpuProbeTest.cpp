#include "platform/CpuProbe.h"

#include <gtest/gtest.h>

#include <array>
#include <atomic>
#include <csignal>
#include <thread>
#include <vector>
#include <x86intrin.h>

namespace {

// The handler of each fault signal as it is now.
std::array<void*, 4> Handlers() {
  std::array<void*, 4> handlers{};
  const int signals[] = {SIGILL, SIGFPE, SIGSEGV, SIGBUS};
  for (int i = 0; i < 4; ++i) {
    struct sigaction action = {};
    sigaction(signals[i], nullptr, &action);
    handlers[i] = reinterpret_cast<void*>(action.sa_handler);
  }
  return handlers;
}

// The faults are raised in assembly so that no sanitizer check gets there first.
void WriteToNull(void*) {
  asm volatile("movl $1, (%0)" : : "r"(static_cast<int*>(nullptr)) : "memory");
}
void DivideByZero(void*) {
  asm volatile("xor %%edx, %%edx\n\tmov $1, %%eax\n\txor %%ecx, %%ecx\n\tdivl %%ecx"
               :
               :
               : "eax", "ecx", "edx", "cc");
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

// Runs a faulting guard inside another: the inner one catches it, the outer one finishes.
void FaultInsideInnerGuard(void* inner_completed) {
  *static_cast<int*>(inner_completed) = platform::RunWithFaultGuard(&UndefinedInstruction, nullptr);
}

uint16_t X87ControlWord() {
  uint16_t control_word = 0;
  asm volatile("fnstcw %0" : "=m"(control_word));
  return control_word;
}

}  // namespace

// Each kind of fault is caught; the handlers and control registers are left as they were.
TEST(CpuProbe, CatchesFaultsAndLeavesNothingBehind) {
  const auto handlers = Handlers();
  const uint32_t sse_control = _mm_getcsr();
  const uint16_t x87_control = X87ControlWord();
  // The second null write checks the signal is not left blocked after the first.
  for (auto* fault : {&WriteToNull, &DivideByZero, &UndefinedInstruction, &ChangeControlsThenFault,
                      &WriteToNull}) {
    EXPECT_FALSE(platform::RunWithFaultGuard(fault, nullptr));
  }
  int inner_completed = -1;
  EXPECT_TRUE(platform::RunWithFaultGuard(&FaultInsideInnerGuard, &inner_completed));
  EXPECT_EQ(inner_completed, 0);
  // The unmasked divide faults on every SSE processor, and MXCSR comes back.
  EXPECT_FALSE(platform::ProbeUnmaskedDivide());
  EXPECT_TRUE(Handlers() == handlers);
  EXPECT_EQ(_mm_getcsr(), sse_control);
  EXPECT_EQ(X87ControlWord(), x87_control);
}

// Probes on several threads at once each catch their own faults.
TEST(CpuProbe, FaultsOnSeveralThreads) {
  std::atomic<int> caught{0};
  std::vector<std::thread> threads;
  for (int t = 0; t < 4; ++t) {
    threads.emplace_back([&caught] {
      for (int i = 0; i < 50; ++i) {
        caught += (platform::RunWithFaultGuard(&WriteToNull, nullptr) ? 0 : 1) +
                  (platform::ProbePackedAdd() ? 0 : 1000);
      }
    });
  }
  for (std::thread& thread : threads) thread.join();
  EXPECT_EQ(caught, 200);
}
