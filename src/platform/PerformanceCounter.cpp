#include "platform/PerformanceCounter.h"

#include "platform/Seam.h"

namespace platform {
namespace {

constinit Seam<PerformanceCounter> s_seam(&RealPerformanceCounter);

}  // namespace

PerformanceCounter& GetPerformanceCounter() {
  return s_seam.Get();
}

PerformanceCounter* SetPerformanceCounter(PerformanceCounter* counter) {
  return s_seam.Set(counter);
}

}  // namespace platform
