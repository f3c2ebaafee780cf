#include "platform/ProcessorThreads.h"

#include <pthread.h>
#include <sched.h>
#include <unistd.h>

#include <cerrno>

#include "platform/posix/Posix.h"

namespace platform {
namespace {

constexpr uint32_t kMaskBits = 32;

struct PinnedStart {
  PinnedThreadBody body;
  void* argument;
  uint32_t exit_code;
};

void* RunPinnedStart(void* context) {
  auto& start = *static_cast<PinnedStart*>(context);
  start.exit_code = start.body(start.argument);
  return nullptr;
}

}  // namespace

SystemInfo GetSystemInfo() {
  SystemInfo info;
  const long configured = sysconf(_SC_NPROCESSORS_CONF);
  const uint32_t count = configured > 0 ? static_cast<uint32_t>(configured) : 1;
  info.processor_count = count;
  const uint32_t described = count < kMaskBits ? count : kMaskBits;
  info.active_processor_mask = described == kMaskBits ? 0xFFFFFFFFu : (1u << described) - 1;
  return info;
}

std::optional<uint32_t> GetProcessAffinityMask() {
  cpu_set_t set;
  CPU_ZERO(&set);
  if (sched_getaffinity(0, sizeof set, &set) != 0) {
    return std::nullopt;
  }
  uint32_t bits = 0;
  for (uint32_t processor = 0; processor < kMaskBits; ++processor) {
    if (CPU_ISSET(processor, &set)) {
      bits |= 1u << processor;
    }
  }
  return bits;
}

std::optional<SystemError> SetProcessAffinityMask(uint32_t mask) {
  cpu_set_t set;
  CPU_ZERO(&set);
  for (uint32_t processor = 0; processor < kMaskBits; ++processor) {
    if ((mask & (1u << processor)) != 0) {
      CPU_SET(processor, &set);
    }
  }
  if (sched_setaffinity(0, sizeof set, &set) != 0) return posix::MakeSystemError(errno);
  return std::nullopt;
}

// The affinity is part of the thread's creation attributes: a thread that
// cannot be given it is never created, so its body never runs elsewhere.
std::optional<uint32_t> RunPinnedThread(uint32_t processor, PinnedThreadBody body, void* argument) {
  if (processor >= kMaskBits) {
    return std::nullopt;
  }
  pthread_attr_t attributes;
  if (pthread_attr_init(&attributes) != 0) {
    return std::nullopt;
  }
  cpu_set_t set;
  CPU_ZERO(&set);
  CPU_SET(processor, &set);
  PinnedStart start{body, argument, 0};
  pthread_t thread;
  const bool created = pthread_attr_setaffinity_np(&attributes, sizeof set, &set) == 0 &&
                       pthread_create(&thread, &attributes, &RunPinnedStart, &start) == 0;
  pthread_attr_destroy(&attributes);
  if (!created) {
    return std::nullopt;
  }
  pthread_join(thread, nullptr);
  return start.exit_code;
}

}  // namespace platform
