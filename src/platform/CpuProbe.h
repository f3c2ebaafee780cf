#pragma once

#include <cstdint>
#include <optional>

namespace platform {

// The registers of one CPUID query.
struct CpuidRegisters {
  uint32_t eax = 0;
  uint32_t ebx = 0;
  uint32_t ecx = 0;
  uint32_t edx = 0;
};

// The two words that FNSTSW and FNSTCW store.
struct FpuWords {
  uint16_t status_word = 0;
  uint16_t control_word = 0;
};

// The processor instructions that identify a processor. Each probe runs with
// processor faults caught: a fault makes it return nothing (or false) and
// never ends the process. Fault handlers are installed only while a probe
// runs, on any thread, and the SSE control register and x87 control word are
// put back after a fault.

// CPUID with only EAX loaded.
std::optional<CpuidRegisters> ProbeCpuid(uint32_t leaf);

// One RDTSC.
std::optional<uint64_t> ProbeTimeStampCounter();

// Toggles the bits of `mask` in the flags register, reads the register back
// and restores it; gives the bits of `mask` that did change.
std::optional<uint32_t> ProbeFlagToggle(uint32_t mask);

// Loads the low flags byte from a zero byte, divides 5 by 2 as an 8-bit
// unsigned division and gives the low flags byte read back.
std::optional<uint8_t> ProbeDivisionFlags();

// FNINIT, then stores the status word over 0x5A5A and the control word.
// The caller's x87 control word is put back afterwards.
std::optional<FpuWords> ProbeFpu();

// One packed single-precision add (ADDPS); true when it did not fault.
bool ProbePackedAdd();

// Unmasks the SSE divide-by-zero exception, divides four 1.0 by four 0.0
// (DIVPS) and loads the saved control register back; true when the division
// did not fault.
bool ProbeUnmaskedDivide();

// The same instructions with no fault catching of their own, for use inside
// RunWithFaultGuard: installing handlers costs microseconds per probe, which
// would skew timing and add up over a table of leaves.
uint64_t ReadTimeStampCounter();
CpuidRegisters ReadCpuid(uint32_t leaf);

// Runs body(context) with processor faults caught; false when a fault cut it
// short. A fault leaves body's frames without unwinding them, so body may hold
// only trivially destructible objects. Guards nest.
bool RunWithFaultGuard(void (*body)(void*), void* context);

}  // namespace platform
