#include "platform/posix/CaseFoldedPath.h"

#include <gtest/gtest.h>

#include <cerrno>
#include <filesystem>
#include <string>
#include <vector>

#include "platform/FileSystem.h"
#include "platform/LastError.h"
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
  EXPECT_EQ(files.Open(".\\Assets\\PC\\new.ini", "rb"), nullptr);
  EXPECT_FALSE(files.Remove(".\\Assets\\PC\\new.ini"));
  EXPECT_EQ(files.MakeDirectory(".\\assets\\none\\deeper"), platform::MakeDirectoryResult::kFailed);
  EXPECT_EQ(platform::GetLastError(), static_cast<std::uint32_t>(ENOENT));
  EXPECT_EQ(TempDirectory::Entries("ASSETS/PC"), Names{"old.ini"});
}

// Making a folder or a file where an entry of another case exists reuses it;
// a file removed and created again (as a save does) keeps its spelling, once,
// and only in its own folder.
TEST(CaseFoldedPath, CreationReusesAnExistingEntry) {
  TempDirectory directory;
  TempDirectory::WriteFile("ASSETS/PC/QVCONFIG.INI", "old");
  platform::FileSystem& files = platform::RealFileSystem();
  EXPECT_EQ(files.MakeDirectory(".\\Assets"), platform::MakeDirectoryResult::kAlreadyExists);
  EXPECT_EQ(files.MakeDirectory(".\\Assets\\Pc\\MISC"), platform::MakeDirectoryResult::kCreated);
  EXPECT_EQ(TempDirectory::Entries("."), Names{"ASSETS"});
  const auto create = [&](const char* path) {
    platform::NativeFile* file = files.Open(path, "wb");
    ASSERT_NE(file, nullptr);
    files.Write(file, "new", 3);
    EXPECT_TRUE(files.Close(file));
  };
  create(".\\Assets\\PC\\QVConfig.INI");
  EXPECT_EQ(TempDirectory::ReadFile("ASSETS/PC/QVCONFIG.INI"), "new");

  EXPECT_TRUE(files.Remove(".\\Assets\\PC\\QVConfig.INI"));
  create(".\\Assets\\PC\\QVConfig.INI");
  EXPECT_EQ(TempDirectory::Entries("ASSETS/PC"), (Names{"MISC", "QVCONFIG.INI"}));
  EXPECT_TRUE(files.Remove(".\\Assets\\PC\\QVConfig.INI"));
  create(".\\Assets\\PC\\MISC\\QVConfig.INI");
  create(".\\Assets\\PC\\QVConfig.INI");
  EXPECT_EQ(TempDirectory::Entries("ASSETS/PC"), (Names{"MISC", "QVConfig.INI"}));
  EXPECT_EQ(TempDirectory::Entries("ASSETS/PC/MISC"), Names{"QVConfig.INI"});
}

}  // namespace
