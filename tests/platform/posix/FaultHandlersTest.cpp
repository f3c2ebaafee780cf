#include <gtest/gtest.h>

#include <csignal>
#include <vector>

#include "platform/CpuProbe.h"

namespace {

// The handler of each fault signal as it is now.
std::vector<void*> Handlers() {
  std::vector<void*> handlers;
  for (const int signal : {SIGILL, SIGFPE, SIGSEGV, SIGBUS}) {
    struct sigaction action = {};
    sigaction(signal, nullptr, &action);
    handlers.push_back(reinterpret_cast<void*>(action.sa_handler));
  }
  return handlers;
}

}  // namespace

// The guard's signal handlers are installed only while it runs: after a
// caught fault the process's own are back.
TEST(PosixFaultGuard, HandlersOnlyWhileItRuns) {
  const auto handlers = Handlers();
  EXPECT_FALSE(platform::ProbeUnmaskedDivide());
  EXPECT_EQ(Handlers(), handlers);
}
