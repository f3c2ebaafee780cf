#include "platform/CpuProbe.h"

#include <gtest/gtest.h>

#include <csignal>
#include <thread>
#include <x86intrin.h>

namespace {

constexpr int kFaultSignals[] = {SIGILL, SIGFPE, SIGSEGV, SIGBUS};

// The handler of each fault signal as it is now.
struct Dispositions {
  void* handlers[4] = {};

  static Dispositions Now() {
    Dispositions now;
    for (int i = 0; i < 4; ++i) {
      struct sigaction action = {};
      sigaction(kFaultSignals[i], nullptr, &action);
      now.handlers[i] = reinterpret_cast<void*>(action.sa_handler);
    }
    return now;
  }

  bool operator==(const Dispositions& other) const {
    for (int i = 0; i < 4; ++i) {
      if (handlers[i] != other.handlers[i]) {
        return false;
      }
    }
    return true;
  }
};

// The faults are raised in assembly so that no sanitizer check gets there first.
void WriteToNull(void*) {
  asm volatile("movl $1, (%0)" : : "r"(static_cast<int*>(nullptr)) : "memory");
}

void DivideByZero(void*) {
  asm volatile(
      "xor %%edx, %%edx\n\t"
      "mov $1, %%eax\n\t"
      "xor %%ecx, %%ecx\n\t"
      "divl %%ecx\n\t"
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

struct Nesting {
  bool inner_completed = true;
  bool after_inner = false;
};

void FaultInsideInnerGuard(void* context) {
  auto& nesting = *static_cast<Nesting*>(context);
  nesting.inner_completed = platform::RunWithFaultGuard(&UndefinedInstruction, nullptr);
  nesting.after_inner = true;
}

uint16_t X87ControlWord() {
  uint16_t control_word = 0;
  asm volatile("fnstcw %0" : "=m"(control_word));
  return control_word;
}

}  // namespace

// Each kind of fault is caught; the handlers and control registers are left as they were.
TEST(CpuProbe, CatchesFaultsAndLeavesNothingBehind) {
  const Dispositions before = Dispositions::Now();
  const uint32_t sse_control = _mm_getcsr();
  const uint16_t x87_control = X87ControlWord();

  EXPECT_FALSE(platform::RunWithFaultGuard(&WriteToNull, nullptr));
  EXPECT_FALSE(platform::RunWithFaultGuard(&DivideByZero, nullptr));
  EXPECT_FALSE(platform::RunWithFaultGuard(&UndefinedInstruction, nullptr));
  EXPECT_FALSE(platform::RunWithFaultGuard(&ChangeControlsThenFault, nullptr));
  // A second fault after the first: the signal is not left blocked.
  EXPECT_FALSE(platform::RunWithFaultGuard(&WriteToNull, nullptr));

  Nesting nesting;
  EXPECT_TRUE(platform::RunWithFaultGuard(&FaultInsideInnerGuard, &nesting));
  EXPECT_FALSE(nesting.inner_completed);
  EXPECT_TRUE(nesting.after_inner);

  // The unmasked divide faults on every SSE processor, and MXCSR comes back.
  EXPECT_FALSE(platform::ProbeUnmaskedDivide());
  EXPECT_TRUE(Dispositions::Now() == before);
  EXPECT_EQ(_mm_getcsr(), sse_control);
  EXPECT_EQ(X87ControlWord(), x87_control);
}

// Probes on several threads at once each catch their own faults.
TEST(CpuProbe, FaultsOnSeveralThreads) {
  int caught[4] = {};
  std::thread threads[4];
  for (int t = 0; t < 4; ++t) {
    threads[t] = std::thread([&caught, t] {
      for (int i = 0; i < 50; ++i) {
        caught[t] += platform::RunWithFaultGuard(&WriteToNull, nullptr) ? 0 : 1;
        caught[t] += platform::ProbePackedAdd() ? 0 : 100;
      }
    });
  }
  for (std::thread& thread : threads) {
    thread.join();
  }
  for (int count : caught) {
    EXPECT_EQ(count, 50);
  }
}

// What an x86-64 processor answers: CPUID, RDTSC, both flags toggle, an FPU, SSE.
TEST(CpuProbe, RealProcessorAnswers) {
  platform::CpuidRegisters leaf0;
  ASSERT_TRUE(platform::ProbeCpuid(0, leaf0));
  EXPECT_GE(leaf0.eax, 1u);
  EXPECT_NE(leaf0.ebx, 0u);

  uint64_t first = 0;
  uint64_t second = 0;
  ASSERT_TRUE(platform::ProbeTimeStampCounter(first));
  ASSERT_TRUE(platform::ProbeTimeStampCounter(second));
  EXPECT_GT(second, first);

  const uint64_t flags_before = __readeflags();
  uint32_t changed = 0;
  ASSERT_TRUE(platform::ProbeFlagToggle(0x40000, changed));
  EXPECT_EQ(changed, 0x40000u);
  ASSERT_TRUE(platform::ProbeFlagToggle(0x200000, changed));
  EXPECT_EQ(changed, 0x200000u);
  EXPECT_EQ(__readeflags() & 0x240000, flags_before & 0x240000);

  const uint16_t x87_control = X87ControlWord();
  uint16_t status_word = 0x1234;
  uint16_t control_word = 0;
  ASSERT_TRUE(platform::ProbeFpu(status_word, control_word));
  EXPECT_EQ(status_word & 0xFF, 0);
  EXPECT_EQ(control_word & 0x103F, 0x003F);
  EXPECT_EQ(X87ControlWord(), x87_control);

  uint8_t low_flags = 0;
  if (platform::ProbeDivisionFlags(low_flags)) {
    EXPECT_NE(low_flags & 0x02, 0);
  }
  EXPECT_TRUE(platform::ProbePackedAdd());
}
