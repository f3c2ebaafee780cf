// The contract of the fault guard that the processor probes run under, on the
// backend the build has. (The probes' answers on this processor are the
// processor information's test.)

#include "platform/CpuProbe.h"

#include <gtest/gtest.h>

#include <atomic>
#include <thread>
#include <x86intrin.h>

#include "platform/X87ControlWord.h"

namespace {

// The faults are raised in assembly so that neither the compiler nor a
// sanitizer check gets there first.
void WriteToNull(void*) {
  asm volatile("movl $1, (%0)" : : "r"(static_cast<int*>(nullptr)) : "memory");
}
void DivideByZero(void*) {
  asm volatile("xor %%ecx, %%ecx\n\tdivl %%ecx" ::: "eax", "ecx", "edx", "cc");
}
void UndefinedInstruction(void*) {
  asm volatile("ud2");
}
// Unmasks every SSE exception and divides 0 by 0: invalid and divide-by-zero
// raised at once.
__attribute__((target("sse"))) void UnmaskedZeroByZero(void*) {
  const uint32_t unmasked = _mm_getcsr() & ~0x1F80u;
  __m128 zeros = _mm_setzero_ps();
  asm volatile("ldmxcsr %1\n\tdivps %0, %0" : "+x"(zeros) : "m"(unmasked));
}
__attribute__((target("sse"))) void ChangeControlsThenFault(void*) {
  _mm_setcsr(_mm_getcsr() ^ 0x6000);  // rounding mode
  platform::LoadX87ControlWord(0x027F);
  WriteToNull(nullptr);
}

__attribute__((target("sse"))) uint32_t SseControl() {
  return _mm_getcsr();
}

}  // namespace

// Each kind of fault is caught, on several threads at once, and the guard
// works again after one; guards nest; the control registers are left as they
// were.
TEST(FaultGuard, CatchesFaultsAndLeavesNothingBehind) {
  const uint32_t sse_control = SseControl();
  const uint16_t x87_control = platform::ReadX87ControlWord();
  std::atomic<int> caught{0};
  auto run_faults = [&caught] {
    for (auto* fault : {&WriteToNull, &DivideByZero, &UndefinedInstruction, &UnmaskedZeroByZero,
                        &ChangeControlsThenFault, &WriteToNull}) {
      caught += platform::RunWithFaultGuard(fault, nullptr) ? 0 : 1;
    }
  };
  std::thread other_threads[] = {std::thread(run_faults), std::thread(run_faults)};
  run_faults();
  for (std::thread& thread : other_threads) thread.join();
  EXPECT_EQ(caught, 18);
  int inner_completed = -1;
  EXPECT_TRUE(platform::RunWithFaultGuard(
      [](void* inner) {
        *static_cast<int*>(inner) = platform::RunWithFaultGuard(&DivideByZero, nullptr);
      },
      &inner_completed));
  EXPECT_EQ(inner_completed, 0);
  EXPECT_EQ(SseControl(), sse_control);
  EXPECT_EQ(platform::ReadX87ControlWord(), x87_control);
}
