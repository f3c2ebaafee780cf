#include "platform/PerformanceCounter.h"

#include "platform/win32/Win32Support.h"

namespace platform::win32 {
namespace {

// The system's own counter at its own frequency (10 MHz on current Windows),
// which the measurement reads as it is.
class SystemPerformanceCounter : public PerformanceCounter {
 public:
  std::optional<uint64_t> QueryFrequency() override {
    LARGE_INTEGER frequency{};
    if (!::QueryPerformanceFrequency(&frequency) || frequency.QuadPart <= 0) return std::nullopt;
    return static_cast<uint64_t>(frequency.QuadPart);
  }

  std::optional<uint64_t> QueryCounter() override {
    LARGE_INTEGER counter{};
    if (!::QueryPerformanceCounter(&counter)) return std::nullopt;
    return static_cast<uint64_t>(counter.QuadPart);
  }
};

}  // namespace
}  // namespace platform::win32

namespace platform {

PerformanceCounter& RealPerformanceCounter() {
  static win32::SystemPerformanceCounter real;
  return real;
}

}  // namespace platform
