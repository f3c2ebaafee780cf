#pragma once

#include <cstdint>
#include <utility>

// What only the system itself can tell the platform's contract tests; each
// backend's test folder answers from the system's own calls.
namespace test {

// The processor the calling thread runs on now.
int CurrentProcessor();
// The calling thread's scheduling as the system reports it (policy or
// priority class, then priority), and what it is at the highest real-time
// priority.
std::pair<long, long> Scheduling();
std::pair<long, long> RealTimeScheduling();
// The frequency the real performance counter must report.
std::uint64_t SystemCounterFrequency();

}  // namespace test
