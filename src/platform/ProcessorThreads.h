#pragma once

#include <cstdint>

namespace platform {

// What the system says about its processors. Only processors 0 to 31 are
// described: masks are 32 bits wide.
struct SystemInfo {
  uint32_t processor_count = 0;
  uint32_t active_processor_mask = 0;
};

SystemInfo GetSystemInfo();

// The processors that the calling thread, and every thread it starts, may run
// on. False when the mask cannot be read.
bool GetProcessAffinityMask(uint32_t& mask);

// Restricts the calling thread, and the threads it starts from now on, to the
// processors of `mask`. For tests and benchmarks.
bool SetProcessAffinityMask(uint32_t mask);

using PinnedThreadBody = uint32_t (*)(void* argument);

// Runs body(argument) on a new thread that runs only on `processor`, waits for
// it without a time limit and gives its exit code. False when the thread
// cannot be created with that affinity; the body has then never run.
bool RunPinnedThread(uint32_t processor, PinnedThreadBody body, void* argument,
                     uint32_t& exit_code);

}  // namespace platform
