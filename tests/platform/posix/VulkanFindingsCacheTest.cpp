#include "platform/posix/VulkanFindingsCache.h"

#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

#include <filesystem>
#include <functional>
#include <string>
#include <vector>

#include "platform/posix/FindingsWithDevices.h"
#include "platform/posix/ScopedVariable.h"
#include "support/TempDirectory.h"

// A sound file answers for its own fingerprint only. Anything else in its
// place (damaged, cut short, grown, another format version, not ours, a link,
// a pipe, another user's) is a miss, and the next store replaces it whole.
TEST(VulkanFindingsCache, IgnoresAndReplacesUnsoundFiles) {
  TempDirectory folder;
  const platform::posix::VulkanFindingsCache cache(folder.Path() + "/cache/qvconfig");
  const std::string& path = cache.FilePath();
  const platform::posix::VulkanFindings stored = FindingsWithDevices(2, 1);
  EXPECT_EQ(cache.Load("machine"), std::nullopt);
  cache.Store("machine", stored);
  ASSERT_EQ(cache.Load("machine"), stored);
  EXPECT_EQ(cache.Load("another machine"), std::nullopt);
  EXPECT_EQ(TempDirectory::Entries(folder.Path() + "/cache/qvconfig").size(), 1u);

  const std::string sound = TempDirectory::ReadFile(path);
  auto with_byte = [&](std::size_t at, char value) {
    std::string changed = sound;
    changed[at] = value;
    return changed;
  };
  const std::vector<std::pair<const char*, std::function<void()>>> cases = {
      {"cut short", [&] { TempDirectory::WriteFile(path, sound.substr(0, sound.size() - 1)); }},
      {"empty", [&] { TempDirectory::WriteFile(path, ""); }},
      {"grown", [&] { TempDirectory::WriteFile(path, sound + "x"); }},
      {"device count damaged", [&] { TempDirectory::WriteFile(path, with_byte(28, '\x07')); }},
      {"other version", [&] { TempDirectory::WriteFile(path, with_byte(8, '\x02')); }},
      {"not ours", [&] { TempDirectory::WriteFile(path, std::string(sound.size(), '#')); }},
      {"a link to a sound file",
       [&] {
         TempDirectory::WriteFile(path + ".copy", sound);
         std::filesystem::create_symlink(path + ".copy", path);
       }},
      {"a pipe", [&] { ASSERT_EQ(::mkfifo(path.c_str(), 0600), 0); }},
      {"another user's",
       [&] {
         TempDirectory::WriteFile(path, sound);
         if (::geteuid() == 0) {
           ASSERT_EQ(::chown(path.c_str(), 1, 1), 0);
         }
       }},
  };
  for (const auto& [what, make] : cases) {
    SCOPED_TRACE(what);
    std::filesystem::remove(path);
    make();
    if (std::string(what) == "another user's" && ::geteuid() != 0) continue;
    EXPECT_EQ(cache.Load("machine"), std::nullopt);
    cache.Store("machine", stored);
    EXPECT_EQ(cache.Load("machine"), stored);
    std::filesystem::remove(path + ".copy");
    EXPECT_EQ(TempDirectory::Entries(folder.Path() + "/cache/qvconfig").size(), 1u)
        << "a temporary file is left";
  }
}

// The folder follows $XDG_CACHE_HOME, else ~/.cache; a folder that cannot be
// made stores nothing and fails nothing.
TEST(VulkanFindingsCache, FolderAndUnwritableFolder) {
  TempDirectory folder;
  {
    ScopedVariable cache_home("XDG_CACHE_HOME", folder.Path());
    ScopedVariable home("HOME", "/home/player");
    EXPECT_EQ(platform::posix::VulkanFindingsCache::ForThisUser().FilePath(),
              folder.Path() + "/qvconfig/vulkan-findings");
    cache_home.Set("relative");
    EXPECT_EQ(platform::posix::VulkanFindingsCache::ForThisUser().FilePath(),
              "/home/player/.cache/qvconfig/vulkan-findings");
    home.Set(std::nullopt);
    EXPECT_EQ(platform::posix::VulkanFindingsCache::ForThisUser().FilePath(), "");
  }

  TempDirectory::WriteFile(folder.Path() + "/a-file", "x");
  for (const std::string& where : {folder.Path() + "/a-file/qvconfig", std::string()}) {
    const platform::posix::VulkanFindingsCache cache(where);
    cache.Store("machine", FindingsWithDevices(2, 1));
    EXPECT_EQ(cache.Load("machine"), std::nullopt);
  }
  EXPECT_EQ(TempDirectory::ReadFile(folder.Path() + "/a-file"), "x");
}
