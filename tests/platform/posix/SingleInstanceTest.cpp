#include "platform/posix/SocketSingleInstance.h"

#include <gtest/gtest.h>
#include <poll.h>
#include <signal.h>
#include <stdlib.h>
#include <sys/socket.h>
#include <sys/stat.h>
#include <sys/un.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <cstring>
#include <optional>
#include <string>
#include <thread>
#include <vector>

#include "platform/Installed.h"
#include "platform/posix/AsNobody.h"
#include "platform/posix/ScopedVariable.h"
#include "support/FakeDescriptorWatcher.h"
#include "support/FakeInstanceResponder.h"
#include "support/TempDirectory.h"

namespace {

using namespace std::chrono_literals;

constexpr const char* kTitle = "Zarvex Configuration";

// Connects to the socket at `path`: the descriptor, else -errno.
int ConnectTo(const std::string& path) {
  const int fd = ::socket(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC, 0);
  sockaddr_un address{};
  address.sun_family = AF_UNIX;
  std::strncpy(address.sun_path, path.c_str(), sizeof address.sun_path - 1);
  if (::connect(fd, reinterpret_cast<const sockaddr*>(&address), sizeof address) == 0) return fd;
  const int error = errno;
  ::close(fd);
  return -error;
}

bool IsSocket(const std::string& path) {
  struct stat info {};
  return ::lstat(path.c_str(), &info) == 0 && S_ISSOCK(info.st_mode);
}

// Another user's process that binds `path` (making `folder` first, open to
// all, when given) and ends as soon as anyone connects to it.
class Squatter {
 public:
  explicit Squatter(const std::string& path, const std::string& folder = "") {
    m_pid = ::fork();
    if (m_pid == 0) Run(path.c_str(), folder.empty() ? nullptr : folder.c_str());
    for (int i = 0; i < 500 && !IsSocket(path); ++i) std::this_thread::sleep_for(10ms);
    EXPECT_TRUE(IsSocket(path)) << "the squatter did not take " << path;
  }
  ~Squatter() { WasReached(); }

  // Ends the squatter; whether anyone connected to it.
  bool WasReached() {
    int status = 0;
    if (m_pid > 0 && ::kill(m_pid, SIGKILL) >= 0 && ::waitpid(m_pid, &status, 0) == m_pid) {
      m_reached = WIFEXITED(status) && WEXITSTATUS(status) == kReached;
      m_pid = -1;
    }
    return m_reached;
  }

 private:
  static constexpr int kReached = 42;

  [[noreturn]] static void Run(const char* path, const char* folder) {
    if (::setgid(kNobody) != 0 || ::setuid(kNobody) != 0) ::_exit(1);
    if (folder != nullptr && (::mkdir(folder, 0777) != 0 || ::chmod(folder, 0777) != 0)) ::_exit(2);
    const int listener = ::socket(AF_UNIX, SOCK_STREAM, 0);
    sockaddr_un address{};
    address.sun_family = AF_UNIX;
    std::strncpy(address.sun_path, path, sizeof address.sun_path - 1);
    if (::bind(listener, reinterpret_cast<const sockaddr*>(&address), sizeof address) != 0 ||
        ::listen(listener, 8) != 0) {
      ::_exit(3);
    }
    ::accept(listener, nullptr, nullptr);
    ::_exit(kReached);
  }

  pid_t m_pid = -1;
  bool m_reached = false;
};

// Each test in a folder of its own: the runtime folder and the temporary
// folder (open to all, as /tmp is) inside it.
class SocketSingleInstanceTest : public testing::Test {
 protected:
  SocketSingleInstanceTest() {
    ::chmod(m_folder.Path().c_str(), 0755);
    ::mkdir(m_runtime.c_str(), 0700);
    ::mkdir(m_temporary.c_str(), 0777);
    ::chmod(m_temporary.c_str(), 01777);
  }

  TempDirectory m_folder;
  const std::string m_runtime = m_folder.Path() + "/run", m_temporary = m_folder.Path() + "/tmp";
  const std::string m_own_folder = m_temporary + "/qvconfig-" + std::to_string(::geteuid());
  ScopedVariable m_runtime_variable{"XDG_RUNTIME_DIR", m_runtime.c_str()};
  ScopedVariable m_temporary_variable{"TMPDIR", m_temporary.c_str()};
  FakeInstanceResponder m_responder{kTitle};
  platform::Installed<platform::InstanceResponder> m_installed_responder{
      m_responder, &platform::SetInstanceResponder};
};

}  // namespace

// Taking, finding and giving up the name; the socket of a holder that died
// is replaced. The window question and the focus request reach the holder's
// responder; a holder that never answers gives no answer, not a "no", and
// does not keep a later start waiting.
TEST_F(SocketSingleInstanceTest, OneLiveHolderAnswersForTheName) {
  FakeDescriptorWatcher watcher, stalled(false);
  platform::SocketSingleInstance instance, other(200ms);
  const std::string name = "QVConfigTest.hold", hung_name = "QVConfigTest.hung";
  EXPECT_EQ(instance.Find(name), false);
  EXPECT_EQ(instance.HolderHasWindow(name, kTitle), false);
  std::unique_ptr<platform::InstanceName> held;
  {
    platform::Installed installed_watcher(watcher, &platform::SetDescriptorWatcher);
    held = instance.Add(name).value_or(nullptr);
  }
  ASSERT_NE(held, nullptr);
  EXPECT_TRUE(IsSocket(m_runtime + "/" + name));
  EXPECT_EQ(instance.Find(name), true);
  platform::Installed installed_stalled(stalled, &platform::SetDescriptorWatcher);
  EXPECT_EQ(other.Add(name), nullptr);
  EXPECT_EQ(instance.HolderHasWindow(name, kTitle), true);
  EXPECT_EQ(instance.HolderHasWindow(name, "Zarvex Configuration "), false);
  instance.HolderTakeFocus(name, kTitle);
  for (int i = 0; i < 200 && m_responder.focused == 0; ++i) std::this_thread::sleep_for(10ms);
  std::this_thread::sleep_for(50ms);
  EXPECT_EQ(m_responder.focused, 1);
  held.reset();
  EXPECT_FALSE(IsSocket(m_runtime + "/" + name));
  EXPECT_EQ(instance.Find(name), false);

  // A holder that dies without letting go leaves a socket that refuses.
  const pid_t child = ::fork();
  ASSERT_GE(child, 0);
  if (child == 0) ::_exit(other.Add(name).value_or(nullptr) ? 0 : 1);
  int status = 0;
  ASSERT_EQ(::waitpid(child, &status, 0), child);
  EXPECT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 0) << status;
  EXPECT_TRUE(IsSocket(m_runtime + "/" + name));
  EXPECT_EQ(instance.Find(name), false);
  {
    platform::Installed installed_watcher(watcher, &platform::SetDescriptorWatcher);
    held = instance.Add(name).value_or(nullptr);
    EXPECT_NE(held, nullptr);
    EXPECT_EQ(instance.HolderHasWindow(name, kTitle), true);
    held.reset();
  }

  auto hung_held = other.Add(hung_name).value_or(nullptr);
  ASSERT_NE(hung_held, nullptr);
  const auto start = std::chrono::steady_clock::now();
  EXPECT_EQ(other.Find(hung_name), true);
  // Silence is no answer, not a "no".
  EXPECT_EQ(other.HolderHasWindow(hung_name, kTitle), std::nullopt);
  EXPECT_LT(std::chrono::steady_clock::now() - start, 3s);
}

// Another user can neither hold the name nor answer for it, nor reach this
// user's holder: a squatter in a runtime folder of theirs or in the
// program's folder made first by them is never asked, and never stops a
// start.
TEST_F(SocketSingleInstanceTest, OtherUsersCannotHoldOrAnswerForTheName) {
  if (::geteuid() != 0) GTEST_SKIP() << "acting as another user needs root";
  platform::SocketSingleInstance instance(1s);
  const std::string name = "QVConfigTest.squat";
  const std::string their_runtime = m_temporary + "/theirs";
  ScopedVariable runtime("XDG_RUNTIME_DIR", their_runtime.c_str());
  Squatter in_runtime(their_runtime + "/" + name, their_runtime);
  EXPECT_EQ(instance.Find(name), false);
  EXPECT_EQ(instance.HolderHasWindow(name, kTitle), false);
  {
    FakeDescriptorWatcher watcher;
    platform::Installed installed_watcher(watcher, &platform::SetDescriptorWatcher);
    auto held = instance.Add(name).value_or(nullptr);
    ASSERT_NE(held, nullptr);
    EXPECT_EQ(instance.Find(name), true);
    EXPECT_EQ(instance.HolderHasWindow(name, kTitle), true);
    EXPECT_EQ(instance.HolderHasWindow(name, "Not our window"), false);
    const std::string ours = m_own_folder + "/" + name;
    ASSERT_TRUE(IsSocket(ours));
    EXPECT_EQ(AsNobody([&] { return -ConnectTo(ours); }), EACCES);
  }
  EXPECT_FALSE(in_runtime.WasReached());

  runtime.Set(std::nullopt);
  ::unlink((m_own_folder + "/" + name + ".lock").c_str());
  ::rmdir(m_own_folder.c_str());
  // Without a folder of this user's own the system cannot be asked.
  Squatter in_own_folder(m_own_folder + "/" + name, m_own_folder);
  EXPECT_EQ(instance.Find(name), std::nullopt);
  EXPECT_EQ(instance.HolderHasWindow(name, kTitle), std::nullopt);
  EXPECT_EQ(instance.Add(name), std::nullopt);
  EXPECT_FALSE(in_own_folder.WasReached());
}

// Clients that connect and say nothing are dropped after a few milliseconds,
// a few per wake-up: a real request behind twenty of them is still answered
// well within the asker's patience.
TEST_F(SocketSingleInstanceTest, SilentClientsCannotStallTheHolder) {
  FakeDescriptorWatcher watcher;
  platform::Installed installed_watcher(watcher, &platform::SetDescriptorWatcher);
  platform::SocketSingleInstance instance(2s);
  const std::string name = "QVConfigTest.silent";
  auto held = instance.Add(name).value_or(nullptr);
  ASSERT_NE(held, nullptr);
  std::vector<int> silent;
  for (int i = 0; i < 20; ++i) silent.push_back(ConnectTo(m_runtime + "/" + name));
  EXPECT_EQ(instance.HolderHasWindow(name, kTitle), true);
  for (const int fd : silent) {
    ASSERT_GE(fd, 0);
    pollfd entry{fd, POLLIN, 0};
    char byte;
    EXPECT_TRUE(::poll(&entry, 1, 2000) == 1 && ::read(fd, &byte, 1) == 0) << "not dropped";
    ::close(fd);
  }
}
