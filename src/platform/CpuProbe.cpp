#include "platform/CpuProbe.h"

#include <cpuid.h>
#include <x86intrin.h>

#include "platform/X87ControlWord.h"

// The probing instructions themselves, the same on every system and for
// both word sizes; the fault guard that runs them is the backend's
// (RunWithFaultGuard). The SSE probes enable SSE on their own functions
// alone: a 32-bit build is made for processors without it, and nothing else
// may assume it.

// The 64-bit System V ABI lets functions keep data below the stack pointer
// (the red zone), which pushes inside inline assembly would overwrite; other
// targets have none.
#if defined(__x86_64__) && !defined(_WIN64)
#define QV_STEP_OVER_RED_ZONE "sub $128, %%rsp\n\t"
#define QV_STEP_BACK_OVER_RED_ZONE "add $128, %%rsp\n\t"
#else
#define QV_STEP_OVER_RED_ZONE ""
#define QV_STEP_BACK_OVER_RED_ZONE ""
#endif

#define QV_SSE __attribute__((target("sse")))

namespace platform {
namespace {

struct CpuidQuery {
  uint32_t leaf;
  CpuidRegisters registers;
};

void RunCpuid(void* context) {
  auto& query = *static_cast<CpuidQuery*>(context);
  query.registers = ReadCpuid(query.leaf);
}

void RunTimeStampCounter(void* context) {
  *static_cast<uint64_t*>(context) = __rdtsc();
}

// The flag register is as wide as a pointer; pushf and popf take the
// word size of the target.
struct FlagToggle {
  uintptr_t mask;
  uintptr_t original;
  uintptr_t read_back;
};

// Set, read and restore in one block: with the alignment-check flag set, any
// unaligned access of the compiler's own would fault.
void RunFlagToggle(void* context) {
  auto& toggle = *static_cast<FlagToggle*>(context);
  uintptr_t original = 0;
  uintptr_t read_back = 0;
  asm volatile(
      QV_STEP_OVER_RED_ZONE
      "pushf\n\t"
      "pop %0\n\t"
      "mov %0, %1\n\t"
      "xor %2, %1\n\t"
      "push %1\n\t"
      "popf\n\t"
      "pushf\n\t"
      "pop %1\n\t"
      "push %0\n\t"
      "popf\n\t"
      QV_STEP_BACK_OVER_RED_ZONE
      : "=&r"(original), "=&r"(read_back)
      : "r"(toggle.mask)
      : "cc", "memory");
  toggle.original = original;
  toggle.read_back = read_back;
}

void RunDivisionFlags(void* context) {
  uintptr_t ax = 0;
  asm volatile(
      QV_STEP_OVER_RED_ZONE
      "pushf\n\t"
      "xor %%eax, %%eax\n\t"
      "sahf\n\t"
      "mov $5, %%ax\n\t"
      "mov $2, %%cl\n\t"
      "divb %%cl\n\t"
      "lahf\n\t"
      "popf\n\t"
      QV_STEP_BACK_OVER_RED_ZONE
      : "=&a"(ax)
      :
      : "ecx", "cc", "memory");
  *static_cast<uint8_t*>(context) = static_cast<uint8_t>(ax >> 8);
}

void RunFpu(void* context) {
  auto& words = *static_cast<FpuWords*>(context);
  uint16_t status_word = 0x5A5A;
  uint16_t control_word = 0;
  asm volatile(
      "fninit\n\t"
      "fnstsw %0\n\t"
      "fnstcw %1\n\t"
      : "+m"(status_word), "=m"(control_word));
  words.status_word = status_word;
  words.control_word = control_word;
}

QV_SSE void RunPackedAdd(void*) {
  __m128 value = _mm_set1_ps(1.0f);
  asm volatile("addps %0, %0" : "+x"(value));
}

struct UnmaskedDivide {
  uint32_t unmasked_control;
};

QV_SSE void RunUnmaskedDivide(void* context) {
  const auto& divide = *static_cast<UnmaskedDivide*>(context);
  __m128 ones = _mm_set1_ps(1.0f);
  const __m128 zeros = _mm_setzero_ps();
  asm volatile(
      "ldmxcsr %1\n\t"
      "divps %2, %0\n\t"
      : "+x"(ones)
      : "m"(divide.unmasked_control), "x"(zeros));
}

QV_SSE void RunLoadControl(void* context) {
  _mm_setcsr(*static_cast<uint32_t*>(context));
}

QV_SSE void RunReadControl(void* context) {
  *static_cast<uint32_t*>(context) = _mm_getcsr();
}

}  // namespace

std::optional<CpuidRegisters> ProbeCpuid(uint32_t leaf) {
  CpuidQuery query{leaf, {}};
  if (!RunWithFaultGuard(&RunCpuid, &query)) {
    return std::nullopt;
  }
  return query.registers;
}

std::optional<uint64_t> ProbeTimeStampCounter() {
  uint64_t read = 0;
  if (!RunWithFaultGuard(&RunTimeStampCounter, &read)) {
    return std::nullopt;
  }
  return read;
}

std::optional<uint32_t> ProbeFlagToggle(uint32_t mask) {
  FlagToggle toggle{mask, 0, 0};
  if (!RunWithFaultGuard(&RunFlagToggle, &toggle)) {
    return std::nullopt;
  }
  return static_cast<uint32_t>((toggle.original ^ toggle.read_back) & mask);
}

std::optional<uint8_t> ProbeDivisionFlags() {
  uint8_t read = 0;
  if (!RunWithFaultGuard(&RunDivisionFlags, &read)) {
    return std::nullopt;
  }
  return read;
}

std::optional<FpuWords> ProbeFpu() {
  const uint16_t saved_x87_control = ReadX87ControlWord();
  FpuWords words{0x5A5A, 0};
  const bool completed = RunWithFaultGuard(&RunFpu, &words);
  LoadX87ControlWord(saved_x87_control);
  if (!completed) {
    return std::nullopt;
  }
  return words;
}

bool ProbePackedAdd() {
  return RunWithFaultGuard(&RunPackedAdd, nullptr);
}

bool ProbeUnmaskedDivide() {
  // Reading the control register is an SSE instruction too: a processor
  // without SSE faults here already.
  uint32_t saved_control = 0;
  if (!RunWithFaultGuard(&RunReadControl, &saved_control)) {
    return false;
  }
  UnmaskedDivide divide{saved_control & ~0x200u};
  const bool completed = RunWithFaultGuard(&RunUnmaskedDivide, &divide);
  // A fault while loading the saved register back is of no interest.
  RunWithFaultGuard(&RunLoadControl, &saved_control);
  return completed;
}

uint64_t ReadTimeStampCounter() {
  return __rdtsc();
}

CpuidRegisters ReadCpuid(uint32_t leaf) {
  CpuidRegisters registers;
  __cpuid(leaf, registers.eax, registers.ebx, registers.ecx, registers.edx);
  return registers;
}

}  // namespace platform
