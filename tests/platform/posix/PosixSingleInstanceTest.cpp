#include "platform/posix/PosixSingleInstance.h"

#include <gtest/gtest.h>
#include <poll.h>
#include <sys/wait.h>
#include <unistd.h>

#include <atomic>
#include <functional>
#include <string>
#include <thread>

#include "platform/posix/DescriptorWatcher.h"

namespace {

using namespace std::chrono_literals;

// Stands in for the user-interface event loop: a thread that polls the one
// watched descriptor and runs its callback.
class ThreadWatcher final : public platform::DescriptorWatcher {
 public:
  ~ThreadWatcher() override { Unwatch(-1); }
  void Watch(int descriptor, std::function<void()> on_readable) override {
    m_stop = false;
    m_thread = std::thread([this, descriptor, on_readable = std::move(on_readable)] {
      for (pollfd entry{descriptor, POLLIN, 0}; !m_stop;) {
        if (::poll(&entry, 1, 20) > 0) on_readable();
      }
    });
  }
  void Unwatch(int) override {
    m_stop = true;
    if (m_thread.joinable()) m_thread.join();
  }

 private:
  std::atomic<bool> m_stop{false};
  std::thread m_thread;
};

// An event loop that is never run: the holder is alive but hung.
struct StalledWatcher final : platform::DescriptorWatcher {
  void Watch(int, std::function<void()>) override {}
  void Unwatch(int) override {}
};

// Has only the configuration window; counts the focus requests for it.
class FakeResponder final : public platform::InstanceResponder {
 public:
  bool HasTopLevelWindow(const std::string& title) override {
    return title == "Zarvex Configuration";
  }
  void TakeFocus(const std::string& title) override { m_focused += HasTopLevelWindow(title); }
  std::atomic<int> m_focused{0};
};

std::string UniqueName(const char* tag) {
  return std::string("QVConfigTest.") + tag + "." + std::to_string(::getpid());
}

// Taking, finding and giving up the name; a name whose holder died is free.
TEST(PosixSingleInstance, NameBelongsToOneLiveHolder) {
  ThreadWatcher watcher;
  FakeResponder responder;
  platform::PosixSingleInstance instance(watcher);
  const std::string name = UniqueName("hold");

  EXPECT_FALSE(instance.Find(name));
  auto held = instance.Add(name, responder);
  ASSERT_NE(held, nullptr);
  EXPECT_TRUE(instance.Find(name));
  StalledWatcher other_watcher;
  platform::PosixSingleInstance other(other_watcher);
  EXPECT_EQ(other.Add(name, responder), nullptr);
  held.reset();
  EXPECT_FALSE(instance.Find(name));

  // A holder that dies without letting go leaves nothing behind.
  const pid_t child = ::fork();
  ASSERT_GE(child, 0);
  if (child == 0) {
    StalledWatcher child_watcher;
    platform::PosixSingleInstance child_instance(child_watcher);
    auto child_held = child_instance.Add(name, responder);
    ::_exit(child_held ? 0 : 1);
  }
  int status = 0;
  ASSERT_EQ(::waitpid(child, &status, 0), child);
  EXPECT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 0) << status;
  EXPECT_FALSE(instance.Find(name));
  EXPECT_NE(instance.Add(name, responder), nullptr);
}

// The window question and the focus request reach the holder's responder;
// a holder that never answers counts as windowless and does not keep a later
// start waiting.
TEST(PosixSingleInstance, AsksTheHolderAboutItsWindow) {
  ThreadWatcher watcher;
  FakeResponder responder;
  platform::PosixSingleInstance instance(watcher);
  const std::string name = UniqueName("ask");
  EXPECT_FALSE(instance.HolderHasWindow(name, "Zarvex Configuration"));
  auto held = instance.Add(name, responder);
  ASSERT_NE(held, nullptr);
  EXPECT_TRUE(instance.HolderHasWindow(name, "Zarvex Configuration"));
  EXPECT_FALSE(instance.HolderHasWindow(name, "Zarvex Configuration "));
  instance.HolderTakeFocus(name, "Zarvex Configuration");
  for (int i = 0; i < 200 && responder.m_focused == 0; ++i) std::this_thread::sleep_for(10ms);
  std::this_thread::sleep_for(50ms);
  EXPECT_EQ(responder.m_focused, 1);

  StalledWatcher stalled;
  platform::PosixSingleInstance hung(stalled, 200ms);
  const std::string hung_name = UniqueName("hung");
  auto hung_held = hung.Add(hung_name, responder);
  ASSERT_NE(hung_held, nullptr);
  const auto start = std::chrono::steady_clock::now();
  EXPECT_TRUE(hung.Find(hung_name));
  EXPECT_FALSE(hung.HolderHasWindow(hung_name, "Zarvex Configuration"));
  EXPECT_LT(std::chrono::steady_clock::now() - start, 3s);
}

}  // namespace
