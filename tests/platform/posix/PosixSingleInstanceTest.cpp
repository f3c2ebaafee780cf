#include "platform/posix/PosixSingleInstance.h"

#include <gtest/gtest.h>
#include <poll.h>
#include <sys/wait.h>
#include <unistd.h>

#include <atomic>
#include <functional>
#include <mutex>
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
      while (!m_stop) {
        pollfd entry{descriptor, POLLIN, 0};
        if (::poll(&entry, 1, 20) > 0) {
          on_readable();
        }
      }
    });
  }

  void Unwatch(int) override {
    m_stop = true;
    if (m_thread.joinable()) {
      m_thread.join();
    }
  }

 private:
  std::atomic<bool> m_stop{false};
  std::thread m_thread;
};

// An event loop that is never run: the holder is alive but hung.
class StalledWatcher final : public platform::DescriptorWatcher {
 public:
  void Watch(int, std::function<void()>) override {}
  void Unwatch(int) override {}
};

class FakeResponder final : public platform::InstanceResponder {
 public:
  bool HasTopLevelWindow(const std::string& title) override {
    return title == "Zarvex Configuration";
  }
  void TakeFocus(const std::string& title) override {
    std::lock_guard lock(m_mutex);
    m_focused += title + ";";
  }
  std::string Focused() {
    std::lock_guard lock(m_mutex);
    return m_focused;
  }

 private:
  std::mutex m_mutex;
  std::string m_focused;
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
  ASSERT_TRUE(WIFEXITED(status));
  EXPECT_EQ(WEXITSTATUS(status), 0);
  EXPECT_FALSE(instance.Find(name));
  EXPECT_NE(instance.Add(name, responder), nullptr);
}

// The window question and the focus request reach the holder's responder.
TEST(PosixSingleInstance, AsksTheHolderAboutItsWindow) {
  ThreadWatcher watcher;
  FakeResponder responder;
  platform::PosixSingleInstance instance(watcher);
  const std::string name = UniqueName("ask");

  EXPECT_FALSE(instance.HolderHasWindow(name, "Zarvex Configuration"));
  auto held = instance.Add(name, responder);
  ASSERT_NE(held, nullptr);
  EXPECT_TRUE(instance.HolderHasWindow(name, "Zarvex Configuration"));
  EXPECT_FALSE(instance.HolderHasWindow(name, "Zarvex"));
  EXPECT_FALSE(instance.HolderHasWindow(name, "Zarvex Configuration "));

  instance.HolderTakeFocus(name, "Zarvex Configuration");
  for (int i = 0; i < 200 && responder.Focused().empty(); ++i) {
    std::this_thread::sleep_for(10ms);
  }
  EXPECT_EQ(responder.Focused(), "Zarvex Configuration;");
}

// A holder that never answers does not keep a later start waiting for ever.
TEST(PosixSingleInstance, HungHolderCountsAsWindowless) {
  StalledWatcher watcher;
  FakeResponder responder;
  platform::PosixSingleInstance instance(watcher, 200ms);
  const std::string name = UniqueName("hung");
  auto held = instance.Add(name, responder);
  ASSERT_NE(held, nullptr);

  const auto start = std::chrono::steady_clock::now();
  EXPECT_TRUE(instance.Find(name));
  EXPECT_FALSE(instance.HolderHasWindow(name, "Zarvex Configuration"));
  EXPECT_LT(std::chrono::steady_clock::now() - start, 3s);
}

}  // namespace
