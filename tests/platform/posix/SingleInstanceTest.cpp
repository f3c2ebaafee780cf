#include "platform/posix/SocketSingleInstance.h"

#include <gtest/gtest.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <string>
#include <thread>

#include "support/FakeDescriptorWatcher.h"
#include "support/FakeInstanceResponder.h"
#include "support/Installed.h"

namespace {

using namespace std::chrono_literals;

constexpr const char* kTitle = "Zarvex Configuration";

// Taking, finding and giving up the name; a name whose holder died is free.
// The window question and the focus request reach the holder's responder; a
// holder that never answers counts as windowless and does not keep a later
// start waiting.
TEST(SocketSingleInstance, OneLiveHolderAnswersForTheName) {
  FakeDescriptorWatcher watcher, stalled(false);
  FakeInstanceResponder responder(kTitle);
  test::Installed installed_responder(responder, &platform::SetInstanceResponder);
  platform::SocketSingleInstance instance, other(200ms);
  const std::string name = "QVConfigTest.hold." + std::to_string(::getpid()),
                    hung_name = "QVConfigTest.hung." + std::to_string(::getpid());
  EXPECT_FALSE(instance.Find(name));
  EXPECT_FALSE(instance.HolderHasWindow(name, kTitle));
  std::unique_ptr<platform::InstanceName> held;
  {
    test::Installed installed_watcher(watcher, &platform::SetDescriptorWatcher);
    held = instance.Add(name);
  }
  ASSERT_NE(held, nullptr);
  EXPECT_TRUE(instance.Find(name));
  test::Installed installed_stalled(stalled, &platform::SetDescriptorWatcher);
  EXPECT_EQ(other.Add(name), nullptr);
  EXPECT_TRUE(instance.HolderHasWindow(name, kTitle));
  EXPECT_FALSE(instance.HolderHasWindow(name, "Zarvex Configuration "));
  instance.HolderTakeFocus(name, kTitle);
  for (int i = 0; i < 200 && responder.focused == 0; ++i) std::this_thread::sleep_for(10ms);
  std::this_thread::sleep_for(50ms);
  EXPECT_EQ(responder.focused, 1);
  held.reset();
  EXPECT_FALSE(instance.Find(name));

  // A holder that dies without letting go leaves nothing behind.
  const pid_t child = ::fork();
  ASSERT_GE(child, 0);
  if (child == 0) ::_exit(other.Add(name) ? 0 : 1);
  int status = 0;
  ASSERT_EQ(::waitpid(child, &status, 0), child);
  EXPECT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 0) << status;
  EXPECT_FALSE(instance.Find(name));
  {
    test::Installed installed_watcher(watcher, &platform::SetDescriptorWatcher);
    EXPECT_NE(instance.Add(name), nullptr);
  }

  auto hung_held = other.Add(hung_name);
  ASSERT_NE(hung_held, nullptr);
  const auto start = std::chrono::steady_clock::now();
  EXPECT_TRUE(other.Find(hung_name));
  EXPECT_FALSE(other.HolderHasWindow(hung_name, kTitle));
  EXPECT_LT(std::chrono::steady_clock::now() - start, 3s);
}

}  // namespace
