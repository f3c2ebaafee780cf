#include "platform/CpuProbe.h"

#include "platform/win32/Win32.h"

// MinGW's GCC has no __try. A vectored exception handler, added for the
// guard's duration, catches the processor's faults instead; it does not jump
// out of the handler (the system's dispatcher would be left half-way) but
// hands the faulting thread back to the system resumed at the point the
// guard captured before the body ran, with the registers, the x87 state and
// MXCSR of that moment. Nothing between that point and the fault is unwound.

namespace platform {
namespace {

// RtlCaptureContext under a name that tells the compiler it returns a second
// time, when a fault resumes the captured context: like setjmp, nothing
// kept in a register across it may be trusted after.
extern "C" void CaptureResumePoint(CONTEXT* context) __asm__("RtlCaptureContext")
    __attribute__((returns_twice));

struct Recovery {
  CONTEXT context;
  volatile bool faulted;
};

// The innermost guard of this thread and how deep the guards nest.
thread_local Recovery* t_recovery = nullptr;
thread_local int t_guard_depth = 0;
thread_local void* t_handler = nullptr;

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
  recovery->faulted = true;
  *exception->ContextRecord = recovery->context;
  return EXCEPTION_CONTINUE_EXECUTION;
}

}  // namespace

bool RunWithFaultGuard(void (*body)(void*), void* context) {
  // Handlers belong to the process and see every thread's faults; each thread
  // adds its own while it probes, and each finds its own recovery point.
  if (t_guard_depth == 0) t_handler = ::AddVectoredExceptionHandler(1, &OnException);
  // Without a handler nothing would catch a fault, so the body does not run.
  if (t_handler == nullptr) return false;
  ++t_guard_depth;
  Recovery recovery;
  recovery.faulted = false;
  Recovery* const outer = t_recovery;
  CaptureResumePoint(&recovery.context);
  if (!recovery.faulted) {
    t_recovery = &recovery;
    body(context);
  }
  t_recovery = outer;
  if (--t_guard_depth == 0) {
    ::RemoveVectoredExceptionHandler(t_handler);
    t_handler = nullptr;
  }
  return !recovery.faulted;
}

}  // namespace platform
