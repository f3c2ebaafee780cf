#include "platform/CpuProbe.h"

#include <gtest/gtest.h>
#include <windows.h>

#include <atomic>
#include <thread>
#include <x86intrin.h>

namespace {

// The faults are raised in assembly so that the compiler cannot see them coming.
void WriteToNull(void*) {
  asm volatile("movl $1, (%0)" : : "r"(static_cast<int*>(nullptr)) : "memory");
}
void DivideByZero(void*) {
  asm volatile("xor %%ecx, %%ecx\n\tdivl %%ecx" ::: "eax", "ecx", "edx", "cc");
}
void UndefinedInstruction(void*) {
  asm volatile("ud2");
}
// Unmasks every SSE exception and divides 0 by 0: invalid and divide-by-zero raised at once
// report as one trap with a multiple status.
__attribute__((target("sse"))) void UnmaskedZeroByZero(void*) {
  const uint32_t unmasked = _mm_getcsr() & ~0x1F80u;
  __m128 zeros = _mm_setzero_ps();
  asm volatile("ldmxcsr %1\n\tdivps %0, %0" : "+x"(zeros) : "m"(unmasked));
}
__attribute__((target("sse"))) void ChangeControlsThenFault(void*) {
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

// A handler of the test's own, last in the chain: what the guards pass on reaches it.
std::atomic<int> s_passed_on{0};
LONG CALLBACK SkipTwoByteInstruction(EXCEPTION_POINTERS* exception) {
  if (exception->ExceptionRecord->ExceptionCode != EXCEPTION_ILLEGAL_INSTRUCTION) {
    return EXCEPTION_CONTINUE_SEARCH;
  }
  ++s_passed_on;
  exception->ContextRecord->Eip += 2;
  return EXCEPTION_CONTINUE_EXECUTION;
}

__attribute__((target("sse"))) uint32_t SseControl() {
  return _mm_getcsr();
}

}  // namespace

// Each kind of fault is caught, on several threads at once; the control registers are left as
// they were.
TEST(Win32FaultGuard, CatchesFaultsAndLeavesNothingBehind) {
  const uint32_t sse_control = SseControl();
  const uint16_t x87_control = X87ControlWord();
  std::atomic<int> caught{0};
  auto run_faults = [&caught] {
    // The second null write checks the guard works again after a fault.
    for (auto* fault : {&WriteToNull, &DivideByZero, &UndefinedInstruction, &UnmaskedZeroByZero,
                        &ChangeControlsThenFault, &WriteToNull}) {
      caught += platform::RunWithFaultGuard(fault, nullptr) ? 0 : 1;
    }
  };
  std::thread other_threads[] = {std::thread(run_faults), std::thread(run_faults)};
  run_faults();
  for (std::thread& thread : other_threads) thread.join();
  EXPECT_EQ(caught, 18);
  // A faulting guard inside another: the inner one catches it, the outer one finishes.
  int inner_completed = -1;
  EXPECT_TRUE(platform::RunWithFaultGuard(
      [](void* inner) {
        *static_cast<int*>(inner) = platform::RunWithFaultGuard(&DivideByZero, nullptr);
      },
      &inner_completed));
  EXPECT_EQ(inner_completed, 0);
  // The unmasked divide faults on every SSE processor, and MXCSR comes back.
  EXPECT_FALSE(platform::ProbeUnmaskedDivide());
  EXPECT_TRUE(platform::ProbePackedAdd());
  EXPECT_EQ(SseControl(), sse_control);
  EXPECT_EQ(X87ControlWord(), x87_control);
}

// Outside a guard a fault is not the guard's: it goes on to the process's other handlers,
// even while another guard has just run.
TEST(Win32FaultGuard, FaultsOutsideAGuardGoOn) {
  void* const handler = ::AddVectoredExceptionHandler(0, &SkipTwoByteInstruction);
  ASSERT_NE(handler, nullptr);
  EXPECT_FALSE(platform::RunWithFaultGuard(&UndefinedInstruction, nullptr));
  EXPECT_EQ(s_passed_on, 0);
  UndefinedInstruction(nullptr);
  EXPECT_EQ(s_passed_on, 1);
  ::RemoveVectoredExceptionHandler(handler);
  // The probes that read the processor answer.
  const auto vendor = platform::ProbeCpuid(0);
  ASSERT_TRUE(vendor.has_value());
  EXPECT_NE(vendor->ebx, 0u);
  EXPECT_TRUE(platform::ProbeTimeStampCounter().has_value());
}
