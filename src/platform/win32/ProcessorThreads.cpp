#include "platform/ProcessorThreads.h"

#include "platform/win32/Win32Support.h"

namespace platform {
namespace {

constexpr uint32_t kMaskBits = 32;

struct PinnedStart {
  PinnedThreadBody body;
  void* argument;
  // Set only once the thread has its one processor.
  bool pinned;
};

DWORD WINAPI RunPinnedStart(void* context) {
  auto& start = *static_cast<PinnedStart*>(context);
  return start.pinned ? start.body(start.argument) : 0;
}

uint32_t LowMask(DWORD_PTR mask) {
  return static_cast<uint32_t>(mask & 0xFFFFFFFFu);
}

}  // namespace

SystemInfo GetSystemInfo() {
  SYSTEM_INFO system{};
  ::GetSystemInfo(&system);
  return SystemInfo{system.dwNumberOfProcessors, LowMask(system.dwActiveProcessorMask)};
}

std::optional<uint32_t> GetProcessAffinityMask() {
  DWORD_PTR process_mask = 0;
  DWORD_PTR system_mask = 0;
  if (!::GetProcessAffinityMask(::GetCurrentProcess(), &process_mask, &system_mask)) {
    return std::nullopt;
  }
  return LowMask(process_mask);
}

std::optional<SystemError> SetProcessAffinityMask(uint32_t mask) {
  if (!::SetProcessAffinityMask(::GetCurrentProcess(), mask)) return win32::LastSystemError();
  return std::nullopt;
}

// The thread is created suspended and given its processor before it runs.
// One that cannot be given it is resumed only to return at once: its body
// never runs anywhere else.
std::optional<uint32_t> RunPinnedThread(uint32_t processor, PinnedThreadBody body, void* argument) {
  if (processor >= kMaskBits) return std::nullopt;
  PinnedStart start{body, argument, false};
  const win32::Handle thread(
      ::CreateThread(nullptr, 0, &RunPinnedStart, &start, CREATE_SUSPENDED, nullptr));
  if (!thread.Valid()) return std::nullopt;
  const DWORD_PTR one = DWORD_PTR{1} << processor;
  start.pinned = ::SetThreadAffinityMask(thread.Get(), one) != 0;
  ::ResumeThread(thread.Get());
  ::WaitForSingleObject(thread.Get(), INFINITE);
  DWORD exit_code = 0;
  if (!start.pinned || !::GetExitCodeThread(thread.Get(), &exit_code)) return std::nullopt;
  return exit_code;
}

}  // namespace platform
