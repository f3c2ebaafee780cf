#include "platform/posix/CaseFoldedPath.h"

#include <gtest/gtest.h>

#include <cerrno>
#include <filesystem>
#include <string>
#include <vector>

#include "platform/FileSystem.h"
#include "support/TempDirectory.h"

namespace {

using platform::posix::ResolveCase;
using Names = std::vector<std::string>;

// Entries that differ only in case: the exact spelling wins, else the first
// in byte order, whatever order the folder lists them in.
TEST(CaseFoldedPath, TwoSpellingsOfOneName) {
  TempDirectory directory;
  for (const char* folder : {"assets", "Assets", "ASSETS"}) {
    TempDirectory::WriteFile(std::string(folder) + "/from.txt", folder);
  }
  EXPECT_EQ(ResolveCase("Assets/FROM.TXT"), "Assets/from.txt");
  EXPECT_EQ(ResolveCase("aSSETS/from.txt"), "ASSETS/from.txt");
  std::filesystem::remove_all("ASSETS");
  EXPECT_EQ(ResolveCase("AsSeTs/from.txt"), "Assets/from.txt");
}

// From the first name that matches nothing on, the path is kept as spelled:
// lookups fail as before, and a new file or folder gets the given names.
TEST(CaseFoldedPath, NothingMatches) {
  TempDirectory directory;
  TempDirectory::WriteFile("ASSETS/PC/old.ini", "");
  EXPECT_EQ(ResolveCase("./Assets/Pc/New/Deeper/x.ini"), "./ASSETS/PC/New/Deeper/x.ini");
  EXPECT_EQ(ResolveCase("/no-such-folder-here/Assets"), "/no-such-folder-here/Assets");
  platform::FileSystem& files = platform::RealFileSystem();
  EXPECT_FALSE(files.Exists(".\\Assets\\PC\\new.ini"));
  EXPECT_EQ(files.Open(".\\Assets\\PC\\new.ini", "rb").Error().number, ENOENT);
  EXPECT_EQ(files.Remove(".\\Assets\\PC\\new.ini").value_or(platform::SystemError{}).number,
            ENOENT);
  EXPECT_EQ(files.MakeDirectory(".\\assets\\none\\deeper").Error().number, ENOENT);
  EXPECT_EQ(TempDirectory::Entries("ASSETS/PC"), Names{"old.ini"});
}

}  // namespace
