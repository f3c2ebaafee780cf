#include "platform/ProcessFolders.h"

#include <gtest/gtest.h>

#include <filesystem>

#include "support/TempDirectory.h"

namespace {

using platform::PathKind;

// What a typed path names, a path through a file counting as missing;
// entering a folder makes relative paths start there, and a folder that is
// not there is the system's error, leaving the current folder as it was.
TEST(ProcessFolders, KindsAndEntering) {
  TempDirectory directory;
  TempDirectory::WriteFile("inner/marker", "x");
  EXPECT_EQ(platform::GetPathKind("inner"), PathKind::kFolder);
  EXPECT_EQ(platform::GetPathKind("inner/marker"), PathKind::kOther);
  EXPECT_EQ(platform::GetPathKind("absent"), PathKind::kMissing);
  EXPECT_EQ(platform::GetPathKind("inner/marker/below"), PathKind::kMissing);
  EXPECT_EQ(platform::GetPathKind(""), PathKind::kMissing);

  const std::optional<platform::SystemError> missing = platform::EnterFolder("absent");
  ASSERT_TRUE(missing);
  EXPECT_NE(missing->number, 0);
  EXPECT_FALSE(missing->text.empty());
  EXPECT_EQ(platform::GetPathKind("inner"), PathKind::kFolder);

  EXPECT_FALSE(platform::EnterFolder("inner"));
  EXPECT_EQ(platform::GetPathKind("marker"), PathKind::kOther);
  EXPECT_TRUE(std::filesystem::equivalent(std::filesystem::current_path(),
                                          std::filesystem::path(directory.Path()) / "inner"));
}

// The program's own folder is the one that holds this test program, named
// without a separator at its end.
TEST(ProcessFolders, ProgramFolderHoldsTheProgram) {
  const std::optional<std::string> folder = platform::ProgramFolder();
  ASSERT_TRUE(folder);
  EXPECT_NE(folder->back(), '/');
  EXPECT_NE(folder->back(), '\\');
  EXPECT_EQ(platform::GetPathKind(*folder), PathKind::kFolder);
  const bool holds_program =
      platform::GetPathKind(*folder + "/test_platform") == PathKind::kOther ||
      platform::GetPathKind(*folder + "/test_platform.exe") == PathKind::kOther;
  EXPECT_TRUE(holds_program) << *folder;
}

}  // namespace
