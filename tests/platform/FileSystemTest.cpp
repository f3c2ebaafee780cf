#include "platform/FileSystem.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "support/TempDirectory.h"

// The file system's contract, on whichever backend the build has.
namespace {

using Names = std::vector<std::string>;

platform::NativeFile* OpenOrFail(const std::string& path, const char* mode) {
  platform::SystemResult<platform::NativeFile*> file = platform::RealFileSystem().Open(path, mode);
  EXPECT_TRUE(file) << path << " " << mode << ": " << file.Error().text;
  return file ? *file : nullptr;
}

// Every failure carries the system's error number and its text, without a
// line end; "already exists" is no failure of MakeDirectory.
TEST(FileSystem, FoldersFilesAndTheirErrors) {
  TempDirectory directory;
  platform::FileSystem& files = platform::RealFileSystem();
  const auto made = files.MakeDirectory(".\\Assets");
  ASSERT_TRUE(made);
  EXPECT_EQ(*made, platform::MadeDirectory::kCreated);
  EXPECT_EQ(*files.MakeDirectory(".\\Assets"), platform::MadeDirectory::kAlreadyExists);
  const auto deeper = files.MakeDirectory(".\\none\\deeper");
  ASSERT_FALSE(deeper);
  EXPECT_NE(deeper.Error().number, 0);
  ASSERT_FALSE(deeper.Error().text.empty());
  EXPECT_NE(deeper.Error().text.back(), '\n');

  TempDirectory::WriteFile("Assets/a.bin", "");
  EXPECT_TRUE(files.Exists(".\\Assets\\a.bin"));
  EXPECT_EQ(files.Remove(".\\Assets\\a.bin"), std::nullopt);
  EXPECT_FALSE(files.Exists(".\\Assets\\a.bin"));
  const std::optional<platform::SystemError> again = files.Remove(".\\Assets\\a.bin");
  ASSERT_TRUE(again);
  EXPECT_NE(again->number, 0);
  const auto missing = files.Open(".\\missing\\x.bin", "rb");
  ASSERT_FALSE(missing);
  EXPECT_NE(missing.Error().number, 0);
  EXPECT_GT(files.FreeSpace().value_or(0), 0u);
  EXPECT_EQ(files.Close(nullptr), std::nullopt);
}

// Binary files keep their bytes, CR LF included; positions are counted in
// bytes, a read stops at the end, and "a+" appends whatever the position.
TEST(FileSystem, ReadWriteSeekAndAppend) {
  TempDirectory directory;
  platform::FileSystem& files = platform::RealFileSystem();
  platform::NativeFile* file = OpenOrFail(".\\Recon.dat", "wb");
  ASSERT_NE(file, nullptr);
  EXPECT_EQ(files.Write(file, "Result:1\r\n", 10), 10u);
  EXPECT_EQ(*files.Tell(file), 10);
  EXPECT_EQ(files.Close(file), std::nullopt);
  EXPECT_EQ(TempDirectory::ReadFile("Recon.dat"), "Result:1\r\n");

  file = OpenOrFail(".\\Recon.dat", "r+b");
  ASSERT_NE(file, nullptr);
  EXPECT_EQ(files.Seek(file, -2, platform::SeekOrigin::kEnd), std::nullopt);
  char tail[4] = {};
  EXPECT_EQ(files.Read(file, tail, 4), 2u);
  EXPECT_EQ(std::string(tail, 2), "\r\n");
  EXPECT_TRUE(files.Seek(file, -1, platform::SeekOrigin::kStart));
  EXPECT_EQ(files.Close(file), std::nullopt);

  file = OpenOrFail(".\\Recon.dat", "a+b");
  ASSERT_NE(file, nullptr);
  EXPECT_EQ(files.Seek(file, 0, platform::SeekOrigin::kStart), std::nullopt);
  EXPECT_EQ(files.Write(file, "Tail", 4), 4u);
  EXPECT_EQ(files.Close(file), std::nullopt);
  EXPECT_EQ(TempDirectory::ReadFile("Recon.dat"), "Result:1\r\nTail");
}

// A file removed and created again under its name in another case (as a
// save does) keeps the spelling it had on disk, once, and only in its own
// folder.
TEST(FileSystem, RecreatedFileKeepsItsSpelling) {
  TempDirectory directory;
  TempDirectory::WriteFile("Assets/MISC/x", "");
  TempDirectory::WriteFile("Assets/QVCONFIG.INI", "old");
  platform::FileSystem& files = platform::RealFileSystem();
  const auto create = [&](const char* path) {
    platform::NativeFile* file = OpenOrFail(path, "wb");
    ASSERT_NE(file, nullptr);
    files.Write(file, "new", 3);
    EXPECT_EQ(files.Close(file), std::nullopt);
  };
  EXPECT_EQ(files.Remove(".\\Assets\\QVConfig.INI"), std::nullopt);
  create(".\\Assets\\QVConfig.INI");
  EXPECT_EQ(TempDirectory::Entries("Assets"), (Names{"MISC", "QVCONFIG.INI"}));
  EXPECT_EQ(TempDirectory::ReadFile("Assets/QVCONFIG.INI"), "new");

  EXPECT_EQ(files.Remove(".\\Assets\\QVConfig.INI"), std::nullopt);
  create(".\\Assets\\MISC\\QVConfig.INI");
  create(".\\Assets\\QVConfig.INI");
  EXPECT_EQ(TempDirectory::Entries("Assets"), (Names{"MISC", "QVConfig.INI"}));
  EXPECT_EQ(TempDirectory::Entries("Assets/MISC"), (Names{"QVConfig.INI", "x"}));
}

}  // namespace
