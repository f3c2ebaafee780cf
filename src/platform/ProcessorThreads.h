#pragma once

#include <cstdint>
#include <optional>

#include "platform/SystemError.h"

namespace platform {

// What the system says about its processors. Only processors 0 to 31 are
// described: masks are 32 bits wide.
struct SystemInfo {
  uint32_t processor_count = 0;
  uint32_t active_processor_mask = 0;
};

SystemInfo GetSystemInfo();

// The processors that the calling thread, and every thread it starts, may run
// on. Nothing when the mask cannot be read.
std::optional<uint32_t> GetProcessAffinityMask();

// Restricts the calling thread, and the threads it starts from now on, to the
// processors of `mask`; nothing on success, else why the system refused. For
// tests and benchmarks.
std::optional<SystemError> SetProcessAffinityMask(uint32_t mask);

using PinnedThreadBody = uint32_t (*)(void* argument);

// Runs body(argument) on a new thread that runs only on `processor`, waits for
// it without a time limit and gives its exit code. Nothing when the thread
// cannot be created with that affinity; the body has then never run.
std::optional<uint32_t> RunPinnedThread(uint32_t processor, PinnedThreadBody body, void* argument);

}  // namespace platform
