#include <gtest/gtest.h>
#include <windows.h>

#include <atomic>

#include "platform/CpuProbe.h"

namespace {

void UndefinedInstruction(void*) {
  asm volatile("ud2");
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

}  // namespace

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
}
