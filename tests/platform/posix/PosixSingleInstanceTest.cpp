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

constexpr const char* kTitle = "Zarvex Configuration";

// Stands in for the user-interface event loop: a thread that polls the one
// watched descriptor and runs its callback. One that does not run stands for
// a holder that is alive but hung.
class Watcher final : public platform::DescriptorWatcher {
 public:
  explicit Watcher(bool runs = true) : m_runs(runs) {}
  ~Watcher() override { Unwatch(-1); }
  void Watch(int descriptor, std::function<void()> on_readable) override {
    m_stop = false;
    if (!m_runs) return;
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
  bool m_runs;
  std::atomic<bool> m_stop{false};
  std::thread m_thread;
};

// Has only the configuration window; counts the focus requests for it.
struct Responder final : platform::InstanceResponder {
  bool HasTopLevelWindow(const std::string& title) override { return title == kTitle; }
  void TakeFocus(const std::string& title) override { m_focused += title == kTitle; }
  std::atomic<int> m_focused{0};
};

// Taking, finding and giving up the name; a name whose holder died is free.
// The window question and the focus request reach the holder's responder; a
// holder that never answers counts as windowless and does not keep a later
// start waiting.
TEST(PosixSingleInstance, OneLiveHolderAnswersForTheName) {
  Watcher watcher, stalled(false);
  Responder responder;
  platform::PosixSingleInstance instance(watcher), other(stalled, 200ms);
  const std::string name = "QVConfigTest.hold." + std::to_string(::getpid()),
                    hung_name = "QVConfigTest.hung." + std::to_string(::getpid());
  EXPECT_FALSE(instance.Find(name));
  EXPECT_FALSE(instance.HolderHasWindow(name, kTitle));
  auto held = instance.Add(name, responder);
  ASSERT_NE(held, nullptr);
  EXPECT_TRUE(instance.Find(name));
  EXPECT_EQ(other.Add(name, responder), nullptr);
  EXPECT_TRUE(instance.HolderHasWindow(name, kTitle));
  EXPECT_FALSE(instance.HolderHasWindow(name, "Zarvex Configuration "));
  instance.HolderTakeFocus(name, kTitle);
  for (int i = 0; i < 200 && responder.m_focused == 0; ++i) std::this_thread::sleep_for(10ms);
  std::this_thread::sleep_for(50ms);
  EXPECT_EQ(responder.m_focused, 1);
  held.reset();
  EXPECT_FALSE(instance.Find(name));

  // A holder that dies without letting go leaves nothing behind.
  const pid_t child = ::fork();
  ASSERT_GE(child, 0);
  if (child == 0) ::_exit(other.Add(name, responder) ? 0 : 1);
  int status = 0;
  ASSERT_EQ(::waitpid(child, &status, 0), child);
  EXPECT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 0) << status;
  EXPECT_FALSE(instance.Find(name));
  EXPECT_NE(instance.Add(name, responder), nullptr);

  auto hung_held = other.Add(hung_name, responder);
  ASSERT_NE(hung_held, nullptr);
  const auto start = std::chrono::steady_clock::now();
  EXPECT_TRUE(other.Find(hung_name));
  EXPECT_FALSE(other.HolderHasWindow(hung_name, kTitle));
  EXPECT_LT(std::chrono::steady_clock::now() - start, 3s);
}

}  // namespace
