#include "platform/CpuProbe.h"

#include <xmmintrin.h>

#include "platform/X87ControlWord.h"
#include "platform/win32/Win32Support.h"

// MinGW's GCC has no __try. A vectored exception handler, added for the
// guard's duration, catches the processor's faults instead. It does not jump
// out of the handler (the system's dispatcher would be left half-way): it
// lets the system resume the faulting thread in a landing function, on the
// faulting stack, and that function jumps back to the guard's recovery point
// as a plain long jump would. The system's own context capture is of no use
// for the recovery point: on 32-bit x86 it records the caller's caller's
// frame, so the jump is GCC's, the same for both word sizes. Nothing between
// that point and the fault is unwound; the x87 and SSE control registers
// are put back as they were when the guard began.

namespace platform::win32 {
namespace {

struct Recovery {
  // GCC's jump buffer: five pointers.
  void* jump_buffer[5];
};

// The innermost guard of this thread and how deep the guards nest.
thread_local Recovery* t_recovery = nullptr;
thread_local int t_guard_depth = 0;
thread_local void* t_handler = nullptr;

// Where a faulting probe resumes. Never inlined, and never returns: its frame
// is a fresh one below the faulting stack.
[[noreturn]] __attribute__((noinline)) void LandAfterFault() {
  __builtin_longjmp(t_recovery->jump_buffer, 1);
}

// The alignment-check and direction flags the probe may have left set.
constexpr DWORD kAlignmentCheckFlag = 0x40000;
constexpr DWORD kDirectionFlag = 0x400;
// Room left below the faulting stack pointer before the landing frame.
constexpr uintptr_t kLandingGap = 256;

// Whether the processor and the system have SSE, without which reading its
// control register would itself fault.
bool HasSse() {
  static const bool has_sse = ::IsProcessorFeaturePresent(PF_XMMI_INSTRUCTIONS_AVAILABLE) != 0;
  return has_sse;
}

__attribute__((target("sse"))) uint32_t ReadSseControl() {
  return _mm_getcsr();
}

__attribute__((target("sse"))) void LoadSseControl(uint32_t control) {
  _mm_setcsr(control);
}

// Points the faulting thread's context at the landing function, as if
// called with a 16-byte aligned stack.
void ResumeInLanding(CONTEXT& context) {
#if defined(_WIN64)
  const uintptr_t stack = ((context.Rsp - kLandingGap) & ~uintptr_t{15}) - sizeof(void*);
  context.Rsp = stack;
  context.Rip = reinterpret_cast<uintptr_t>(&LandAfterFault);
#else
  const uintptr_t stack = ((context.Esp - kLandingGap) & ~uintptr_t{15}) - sizeof(void*);
  context.Esp = stack;
  context.Eip = reinterpret_cast<uintptr_t>(&LandAfterFault);
#endif
  context.EFlags &= ~(kAlignmentCheckFlag | kDirectionFlag);
}

// STATUS_FLOAT_MULTIPLE_FAULTS and _TRAPS: how the system reports an SSE
// instruction that raised more than one floating-point exception at once.
constexpr DWORD kFloatMultipleFaults = 0xC00002B4;
constexpr DWORD kFloatMultipleTraps = 0xC00002B5;

bool IsProcessorFault(DWORD code) {
  switch (code) {
    case EXCEPTION_ILLEGAL_INSTRUCTION:
    case EXCEPTION_PRIV_INSTRUCTION:
    case EXCEPTION_ACCESS_VIOLATION:
    case EXCEPTION_DATATYPE_MISALIGNMENT:
    case EXCEPTION_INT_DIVIDE_BY_ZERO:
    case EXCEPTION_INT_OVERFLOW:
    case EXCEPTION_FLT_DENORMAL_OPERAND:
    case EXCEPTION_FLT_DIVIDE_BY_ZERO:
    case EXCEPTION_FLT_INEXACT_RESULT:
    case EXCEPTION_FLT_INVALID_OPERATION:
    case EXCEPTION_FLT_OVERFLOW:
    case EXCEPTION_FLT_STACK_CHECK:
    case EXCEPTION_FLT_UNDERFLOW:
    case kFloatMultipleFaults:
    case kFloatMultipleTraps:
      return true;
    default:
      return false;
  }
}

// Called on the faulting thread. Outside a guard of that thread, or for
// anything but a processor fault (a debugger's breakpoint, a C++ throw), the
// search goes on to the next handler.
LONG CALLBACK OnException(EXCEPTION_POINTERS* exception) {
  Recovery* const recovery = t_recovery;
  if (recovery == nullptr || !IsProcessorFault(exception->ExceptionRecord->ExceptionCode)) {
    return EXCEPTION_CONTINUE_SEARCH;
  }
  ResumeInLanding(*exception->ContextRecord);
  return EXCEPTION_CONTINUE_EXECUTION;
}

bool RunGuarded(void (*body)(void*), void* context) {
  // Handlers belong to the process and see every thread's faults; each thread
  // adds its own while it probes, and each finds its own recovery point.
  if (t_guard_depth == 0) t_handler = ::AddVectoredExceptionHandler(1, &OnException);
  // Without a handler nothing would catch a fault, so the body does not run.
  if (t_handler == nullptr) return false;
  ++t_guard_depth;
  // Volatile: a local changed between the jump point and the jump is read
  // after it.
  Recovery recovery;
  Recovery* volatile const outer = t_recovery;
  volatile bool faulted = false;
  const uint16_t x87_control = ReadX87ControlWord();
  const uint32_t sse_control = HasSse() ? ReadSseControl() : 0;
  if (__builtin_setjmp(recovery.jump_buffer) == 0) {
    t_recovery = &recovery;
    body(context);
  } else {
    faulted = true;
    // A pending x87 exception would fire at the next x87 instruction.
    asm volatile("fnclex");
    LoadX87ControlWord(x87_control);
    if (HasSse()) LoadSseControl(sse_control);
  }
  t_recovery = outer;
  if (--t_guard_depth == 0) {
    ::RemoveVectoredExceptionHandler(t_handler);
    t_handler = nullptr;
  }
  return !faulted;
}

}  // namespace
}  // namespace platform::win32

namespace platform {

bool RunWithFaultGuard(void (*body)(void*), void* context) {
  return win32::RunGuarded(body, context);
}

}  // namespace platform
