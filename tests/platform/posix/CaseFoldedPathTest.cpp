#include "platform/posix/CaseFoldedPath.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cerrno>
#include <filesystem>
#include <string>
#include <vector>

#include "platform/FileSystem.h"
#include "platform/LastError.h"
#include "support/TempDirectory.h"

namespace {

namespace fs = std::filesystem;
using platform::posix::ResolveCase;

// The names in `folder`, sorted.
std::vector<std::string> Entries(const std::string& folder) {
  std::vector<std::string> names;
  for (const fs::directory_entry& entry : fs::directory_iterator(folder)) {
    names.push_back(entry.path().filename().string());
  }
  std::sort(names.begin(), names.end());
  return names;
}

// Each name of a path is found in its own folder whatever its case; a path
// spelled as on disk comes back unchanged, and the names the lookup must not
// touch ("." and "..", bytes beyond ASCII) stay as they are.
TEST(CaseFoldedPath, FindsEachNameInAnyCase) {
  TempDirectory directory;
  TempDirectory::WriteFile("ASSETS/pc/Any_Lang/misc/QVCONFIG.INI", "x");
  TempDirectory::WriteFile("CAF\xC3\x89/a", "");
  const std::string on_disk = "./ASSETS/pc/Any_Lang/misc/QVCONFIG.INI";

  EXPECT_EQ(ResolveCase("./Assets/PC/ANY_LANG/MISC/QVConfig.INI"), on_disk);
  EXPECT_EQ(ResolveCase(on_disk), on_disk);
  EXPECT_EQ(ResolveCase("assets//PC/./any_lang/../ANY_LANG/misc/qvconfig.ini"),
            "ASSETS//pc/./Any_Lang/../Any_Lang/misc/QVCONFIG.INI");
  EXPECT_EQ(ResolveCase(directory.Path() + "/Assets/PC"), directory.Path() + "/ASSETS/pc");
  EXPECT_EQ(platform::NativePath(".\\Assets\\PC"), "./Assets/PC");

  // Only ASCII letters fold: "é" and "É" are different bytes.
  EXPECT_EQ(ResolveCase("caf\xC3\xA9/A"), "caf\xC3\xA9/A");
  EXPECT_EQ(ResolveCase("caf\xC3\x89/A"), "CAF\xC3\x89/a");
  // Names below a file, and a path longer than the system takes, are left for
  // the system to refuse.
  EXPECT_EQ(ResolveCase("assets/pc/any_lang/misc/qvconfig.ini/more"),
            "ASSETS/pc/Any_Lang/misc/QVCONFIG.INI/more");
  const std::string overlong = "assets/" + std::string(5000, 'a');
  EXPECT_EQ(ResolveCase(overlong), overlong);
  EXPECT_EQ(ResolveCase(""), "");
}

// Two entries that differ only in case: the exact spelling wins, else the
// first in byte order, whatever order the folder lists them in.
TEST(CaseFoldedPath, TwoSpellingsOfOneName) {
  TempDirectory directory;
  for (const char* folder : {"assets", "Assets", "ASSETS"}) {
    TempDirectory::WriteFile(std::string(folder) + "/from.txt", folder);
  }
  EXPECT_EQ(ResolveCase("Assets/from.txt"), "Assets/from.txt");
  EXPECT_EQ(ResolveCase("assets/FROM.TXT"), "assets/from.txt");
  EXPECT_EQ(ResolveCase("aSSETS/from.txt"), "ASSETS/from.txt");
  fs::remove_all("ASSETS");
  EXPECT_EQ(ResolveCase("AsSeTs/from.txt"), "Assets/from.txt");
  EXPECT_TRUE(platform::RealFileSystem().Exists(".\\ASSETS\\FROM.TXT"));
}

// From the first name that matches nothing on, the path is kept as spelled:
// that is where a new file or folder gets the given names.
TEST(CaseFoldedPath, NothingMatches) {
  TempDirectory directory;
  TempDirectory::WriteFile("ASSETS/PC/old.ini", "");
  EXPECT_EQ(ResolveCase("./Assets/Pc/New/Deeper/x.ini"), "./ASSETS/PC/New/Deeper/x.ini");
  EXPECT_EQ(ResolveCase("./Save/PC"), "./Save/PC");
  EXPECT_EQ(ResolveCase("/no-such-folder-here/Assets"), "/no-such-folder-here/Assets");

  platform::FileSystem& files = platform::RealFileSystem();
  EXPECT_FALSE(files.Exists(".\\Assets\\PC\\new.ini"));
  EXPECT_EQ(files.Open(".\\Assets\\PC\\new.ini", "rb"), nullptr);
  EXPECT_FALSE(files.Remove(".\\Assets\\PC\\new.ini"));
  EXPECT_EQ(files.MakeDirectory(".\\assets\\none\\deeper"), platform::MakeDirectoryResult::kFailed);
  EXPECT_EQ(platform::GetLastError(), static_cast<std::uint32_t>(ENOENT));
  EXPECT_EQ(Entries("ASSETS/PC"), std::vector<std::string>{"old.ini"});
}

// Making a folder or a file where an entry of another case exists reuses it
// instead of making a second one; a file removed and created again (as a
// save does) keeps its spelling on disk.
TEST(CaseFoldedPath, CreationReusesAnExistingEntry) {
  TempDirectory directory;
  TempDirectory::WriteFile("ASSETS/PC/QVCONFIG.INI", "old");
  fs::create_directory("_log");
  platform::FileSystem& files = platform::RealFileSystem();

  EXPECT_EQ(files.MakeDirectory(".\\Assets"), platform::MakeDirectoryResult::kAlreadyExists);
  EXPECT_EQ(files.MakeDirectory(".\\Assets\\pc"), platform::MakeDirectoryResult::kAlreadyExists);
  EXPECT_EQ(files.MakeDirectory(".\\Assets\\PC\\MISC"), platform::MakeDirectoryResult::kCreated);
  EXPECT_EQ(Entries("."), (std::vector<std::string>{"ASSETS", "_log"}));
  EXPECT_EQ(Entries("ASSETS/PC"), (std::vector<std::string>{"MISC", "QVCONFIG.INI"}));

  platform::NativeFile* file = files.Open(".\\Assets\\PC\\QVConfig.INI", "wb");
  ASSERT_NE(file, nullptr);
  files.Write(file, "new", 3);
  EXPECT_TRUE(files.Close(file));
  EXPECT_EQ(TempDirectory::ReadFile("ASSETS/PC/QVCONFIG.INI"), "new");

  EXPECT_TRUE(files.Remove(".\\Assets\\PC\\QVConfig.INI"));
  EXPECT_EQ(Entries("ASSETS/PC"), std::vector<std::string>{"MISC"});
  file = files.Open(".\\Assets\\PC\\QVConfig.INI", "wb");
  ASSERT_NE(file, nullptr);
  EXPECT_TRUE(files.Close(file));
  EXPECT_EQ(Entries("ASSETS/PC"), (std::vector<std::string>{"MISC", "QVCONFIG.INI"}));
  // The old spelling is taken once, and only for the same name in the same folder.
  EXPECT_TRUE(files.Remove(".\\Assets\\PC\\QVConfig.INI"));
  file = files.Open(".\\Assets\\PC\\MISC\\QVConfig.INI", "wb");
  ASSERT_NE(file, nullptr);
  EXPECT_TRUE(files.Close(file));
  EXPECT_EQ(Entries("ASSETS/PC/MISC"), std::vector<std::string>{"QVConfig.INI"});

  file = files.Open("_LOG\\PClog.txt", "w");
  ASSERT_NE(file, nullptr);
  EXPECT_TRUE(files.Close(file));
  EXPECT_EQ(Entries("_log"), std::vector<std::string>{"PClog.txt"});
  EXPECT_TRUE(files.Exists("_Log\\pclog.TXT"));
  EXPECT_EQ(Entries("."), (std::vector<std::string>{"ASSETS", "_log"}));
}

}  // namespace
