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

// Each name is found in its folder in any case; a path spelled as on disk
// comes back unchanged; ".", "..", empty names and bytes beyond ASCII are
// not folded; what the system must refuse is left to it.
TEST(CaseFoldedPath, FindsEachNameInAnyCase) {
  TempDirectory directory;
  TempDirectory::WriteFile("ASSETS/pc/Any_Lang/misc/QVCONFIG.INI", "x");
  TempDirectory::WriteFile("CAF\xC3\x89/a", "");
  const std::string on_disk = "./ASSETS/pc/Any_Lang/misc/QVCONFIG.INI";
  EXPECT_EQ(ResolveCase("./Assets/PC/ANY_LANG/MISC/QVConfig.INI"), on_disk);
  EXPECT_EQ(ResolveCase(on_disk), on_disk);
  EXPECT_EQ(ResolveCase("assets//PC/./any_lang/../ANY_LANG/misc/qvconfig.ini"),
            "ASSETS//pc/./Any_Lang/../Any_Lang/misc/QVCONFIG.INI");
  EXPECT_EQ(ResolveCase("caf\xC3\xA9/A"), "caf\xC3\xA9/A");
  EXPECT_EQ(ResolveCase("caf\xC3\x89/A"), "CAF\xC3\x89/a");
  EXPECT_EQ(ResolveCase("assets/PC/any_lang/misc/qvconfig.ini/more"), on_disk.substr(2) + "/more");
  const std::string overlong = "assets/" + std::string(5000, 'a');
  EXPECT_EQ(ResolveCase(overlong), overlong);
}

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
