#include "platform/posix/VulkanPreload.h"

#include <gtest/gtest.h>
#include <signal.h>
#include <unistd.h>

#include <cerrno>
#include <chrono>
#include <filesystem>
#include <fstream>
#include <optional>
#include <set>
#include <string>
#include <thread>

#include "platform/GraphicsAdapter.h"
#include "platform/GraphicsRuntime.h"
#include "platform/posix/FindingsWithDevices.h"
#include "support/TempDirectory.h"

// What the examining child sends arrives whole, even in pieces; a child that
// dies half-way or never answers gives nothing.
TEST(VulkanPreload, ReceivesOneWholeRecordOrNothing) {
  const platform::posix::VulkanFindings sent = FindingsWithDevices(3, 4);
  const char* bytes = reinterpret_cast<const char*>(&sent);
  for (const ssize_t written : {static_cast<ssize_t>(sizeof sent), ssize_t{3}, ssize_t{0}}) {
    SCOPED_TRACE(written);
    int ends[2];
    ASSERT_EQ(pipe(ends), 0);
    const ssize_t first = written > 3 ? 3 : written, rest = written - first;
    ASSERT_EQ(write(ends[1], bytes, first) + write(ends[1], bytes + first, rest), written);
    if (written == 3) close(ends[1]);  // the child died half-way
    const auto received = platform::posix::ReceiveFindings(ends[0], written == 0 ? 100 : 1000);
    ASSERT_EQ(received.has_value(), written > 3);
    if (received) {
      EXPECT_EQ(*received, sent);
    }
    close(ends[0]);
    if (written != 3) close(ends[1]);
  }
}

namespace {

// This thread's child processes, a zombie included until it is collected.
std::set<pid_t> Children() {
  std::ifstream list("/proc/self/task/" + std::to_string(::gettid()) + "/children");
  std::set<pid_t> children;
  for (pid_t child = 0; list >> child;) children.insert(child);
  return children;
}

// The child that `preload.Start()` forks, if it forks one.
std::optional<pid_t> StartedChild(platform::posix::VulkanPreload& preload) {
  const std::set<pid_t> before = Children();
  preload.Start();
  for (const pid_t child : Children()) {
    if (!before.contains(child)) return child;
  }
  return std::nullopt;
}

// Whether `child` has ended and been collected; it is given a few seconds.
bool Collected(pid_t child) {
  for (int waited_ms = 0; waited_ms < 5000; ++waited_ms) {
    if (::kill(child, 0) != 0 && errno == ESRCH) return true;
    std::this_thread::sleep_for(std::chrono::milliseconds(1));
  }
  return false;
}

}  // namespace

// With the real loader: the first start examines in a child, collected as
// soon as its record is read, and stores the findings; a later start on the
// unchanged machine forks nothing and answers exactly what an examination
// finds, with or without the preload. The process's own preload finds the
// same, and both graphics queries answer from it.
TEST(VulkanPreload, CacheHitIsWhatAnExaminationFinds) {
  TempDirectory folder;
  const platform::posix::VulkanFindingsCache cache(folder.Path() + "/qvconfig");
  platform::posix::VulkanFindings examined;
  {
    platform::posix::VulkanPreload first(cache, platform::posix::VulkanFingerprint::ForThisProcess());
    const std::optional<pid_t> child = StartedChild(first);
    ASSERT_TRUE(child);
    examined = first.Findings();
    EXPECT_TRUE(Collected(*child));
  }
  platform::posix::VulkanPreload second(cache, platform::posix::VulkanFingerprint::ForThisProcess());
  EXPECT_EQ(StartedChild(second), std::nullopt);
  EXPECT_EQ(second.Findings(), examined);
  platform::posix::VulkanPreload unstarted(cache, platform::posix::VulkanFingerprint::ForThisProcess());
  EXPECT_EQ(unstarted.Findings(), examined);
  EXPECT_EQ(platform::posix::ExamineVulkan(platform::posix::kVulkanLoaderName), examined);

  platform::StartGraphicsPreload();
  EXPECT_EQ(platform::posix::VulkanFindingsForThisProcess(), examined);
  EXPECT_EQ(platform::GetGraphicsAdapter().QueryDefaultDeviceCaps(),
            platform::posix::DevCapsFromFindings(examined));
  EXPECT_EQ(platform::GetGraphicsRuntime().QueryVersion().has_value(), examined.loader_loaded);
}

// A child that dies gives no findings to this process and none to the cache;
// a cache that cannot be written leaves the examination as it was. (A damaged
// cache file is a miss, which the cache's own test shows.)
TEST(VulkanPreload, FailuresAndBadCachesDoNotStick) {
  TempDirectory folder;
  const platform::posix::VulkanFingerprint fingerprint = platform::posix::VulkanFingerprint::ForThisProcess();
  const platform::posix::VulkanFindingsCache cache(folder.Path() + "/qvconfig");
  {
    platform::posix::VulkanPreload dying(cache, fingerprint);
    const std::optional<pid_t> child = StartedChild(dying);
    ASSERT_TRUE(child);
    ::kill(*child, SIGKILL);
    EXPECT_EQ(dying.Findings(), platform::posix::VulkanFindings{});
    EXPECT_TRUE(Collected(*child));
    EXPECT_FALSE(std::filesystem::exists(cache.FilePath()));
  }
  const platform::posix::VulkanFindings examined =
      platform::posix::ExamineVulkan(platform::posix::kVulkanLoaderName);

  TempDirectory::WriteFile(folder.Path() + "/a-file", "x");
  const platform::posix::VulkanFindingsCache unwritable(folder.Path() + "/a-file/qvconfig");
  for (int start = 0; start < 2; ++start) {
    platform::posix::VulkanPreload preload(unwritable, fingerprint);
    EXPECT_TRUE(StartedChild(preload));
    EXPECT_EQ(preload.Findings(), examined);
  }
}
