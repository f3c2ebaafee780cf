#include "platform/FileSystem.h"

#include <gtest/gtest.h>

#include <cerrno>
#include <clocale>
#include <cstdarg>
#include <string>

#include "platform/CFormat.h"
#include "platform/LastError.h"
#include "support/TempDirectory.h"

namespace {

std::string FormatC(const char* format, ...) {
  char buffer[64];
  std::va_list args;
  va_start(args, format);
  platform::FormatCLocale(buffer, sizeof buffer, format, args);
  va_end(args);
  return buffer;
}

}  // namespace

// Stored paths keep backslashes; only the system call sees slashes.
TEST(PosixFileSystem, TranslatesPathsAndFolders) {
  TempDirectory directory;
  platform::FileSystem& files = platform::GetFileSystem();
  EXPECT_EQ(platform::NativePath(".\\Assets\\PC\\x.ini"), "./Assets/PC/x.ini");
  EXPECT_EQ(files.MakeDirectory(".\\Assets"), platform::MakeDirectoryResult::kCreated);
  EXPECT_EQ(files.MakeDirectory(".\\Assets"), platform::MakeDirectoryResult::kAlreadyExists);
  EXPECT_EQ(files.MakeDirectory(".\\none\\deeper"), platform::MakeDirectoryResult::kFailed);
  EXPECT_EQ(platform::GetLastError(), static_cast<std::uint32_t>(ENOENT));

  TempDirectory::WriteFile("Assets/a.bin", "");
  EXPECT_TRUE(files.Remove(".\\Assets\\a.bin"));
  EXPECT_FALSE(files.Remove(".\\Assets\\a.bin"));
}

// Formatting ignores the process locale.
TEST(PosixFileSystem, FormatUsesCLocale) {
  const std::string saved = std::setlocale(LC_ALL, nullptr);
  ASSERT_NE(std::setlocale(LC_ALL, "de_DE.UTF-8"), nullptr) << "needs the package locales-all";
  char native[32];
  std::snprintf(native, sizeof native, "%.1f", 2.5);
  EXPECT_STREQ(native, "2,5");
  EXPECT_EQ(FormatC("%.1f|%d", 2.5, 1000), "2.5|1000");
  std::setlocale(LC_ALL, saved.c_str());
}

// Close of a written file is where its bytes reach the disk: it says when they could not (a full
// device), while a device that has nothing to sync is no failure.
TEST(PosixFileSystem, CloseReportsBytesThatMissedTheDisk) {
  TempDirectory directory;
  platform::FileSystem& files = platform::GetFileSystem();
  platform::NativeFile* file = files.Open(".\\made.bin", "wb");
  ASSERT_NE(file, nullptr);
  EXPECT_EQ(files.Write(file, "abc", 3), 3u);
  EXPECT_TRUE(files.Close(file));
  EXPECT_EQ(TempDirectory::ReadFile("made.bin"), "abc");

  file = files.Open("/dev/full", "wb");
  ASSERT_NE(file, nullptr);
  // The library buffers the bytes, so only the close finds the device full.
  EXPECT_EQ(files.Write(file, "abc", 3), 3u);
  EXPECT_FALSE(files.Close(file));
  EXPECT_EQ(platform::GetLastError(), static_cast<std::uint32_t>(ENOSPC));

  file = files.Open("/dev/null", "wb");
  ASSERT_NE(file, nullptr);
  files.Write(file, "abc", 3);
  EXPECT_TRUE(files.Close(file));
  EXPECT_TRUE(files.Close(nullptr));
}
