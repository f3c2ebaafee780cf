#include "platform/FileSystem.h"

#include <gtest/gtest.h>
#include <windows.h>

#include <cstdarg>
#include <string>

#include "platform/CFormat.h"
#include "platform/LastError.h"
#include "support/GermanLocale.h"
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

// Stored paths are the system's own; folders report "already exists" as error 183, and the
// other failures leave the system's error behind.
TEST(Win32FileSystem, FoldersFilesAndTheirErrors) {
  TempDirectory directory;
  platform::FileSystem& files = platform::GetFileSystem();
  EXPECT_EQ(platform::NativePath(".\\Assets\\PC\\x.ini"), ".\\Assets\\PC\\x.ini");
  EXPECT_EQ(files.MakeDirectory(".\\Assets"), platform::MakeDirectoryResult::kCreated);
  EXPECT_EQ(files.MakeDirectory(".\\Assets"), platform::MakeDirectoryResult::kAlreadyExists);
  EXPECT_EQ(files.MakeDirectory(".\\none\\deeper"), platform::MakeDirectoryResult::kFailed);
  EXPECT_EQ(platform::GetLastError(), static_cast<std::uint32_t>(ERROR_PATH_NOT_FOUND));
  const std::string text = platform::GetErrorText(ERROR_PATH_NOT_FOUND);
  EXPECT_FALSE(text.empty());
  EXPECT_NE(text.back(), '\n');

  TempDirectory::WriteFile("Assets/a.bin", "");
  EXPECT_TRUE(files.Exists(".\\Assets\\a.bin"));
  EXPECT_TRUE(files.Remove(".\\Assets\\a.bin"));
  EXPECT_FALSE(files.Exists(".\\Assets\\a.bin"));
  EXPECT_FALSE(files.Remove(".\\Assets\\a.bin"));
  EXPECT_EQ(platform::GetLastError(), static_cast<std::uint32_t>(ERROR_FILE_NOT_FOUND));
  EXPECT_GT(files.FreeSpace().value_or(0), 0u);
}

// Binary files keep their bytes, CR LF included; text mode is the C library's, as the log
// uses it. Seeks and tells reach past 4 GB offsets' 32-bit limits in their type.
TEST(Win32FileSystem, BinaryAndTextModes) {
  TempDirectory directory;
  platform::FileSystem& files = platform::GetFileSystem();
  platform::NativeFile* file = files.Open(".\\Recon.dat", "wb");
  ASSERT_NE(file, nullptr);
  EXPECT_EQ(files.Write(file, "Result:1\r\n", 10), 10u);
  EXPECT_EQ(files.Tell(file), 10);
  EXPECT_TRUE(files.Close(file));
  EXPECT_EQ(TempDirectory::ReadFile("Recon.dat"), "Result:1\r\n");

  file = files.Open(".\\log.txt", "w");
  ASSERT_NE(file, nullptr);
  files.Write(file, "one\n", 4);
  EXPECT_TRUE(files.Close(file));
  EXPECT_EQ(TempDirectory::ReadFile("log.txt"), "one\r\n");

  file = files.Open(".\\Recon.dat", "r+b");
  ASSERT_NE(file, nullptr);
  EXPECT_TRUE(files.Seek(file, -2, platform::SeekOrigin::kEnd));
  char tail[2] = {};
  EXPECT_EQ(files.Read(file, tail, 2), 2u);
  EXPECT_EQ(std::string(tail, 2), "\r\n");
  EXPECT_TRUE(files.Close(file));
  EXPECT_EQ(files.Open(".\\missing\\x.bin", "rb"), nullptr);
  EXPECT_TRUE(files.Close(nullptr));
}

// Formatting ignores the process locale, and leaves the locale as it found it.
TEST(Win32FileSystem, FormatUsesCLocale) {
  const GermanLocale german;
  ASSERT_TRUE(german.Active());
  char native[32];
  std::snprintf(native, sizeof native, "%.1f", 2.5);
  EXPECT_STREQ(native, "2,5");
  EXPECT_EQ(FormatC("%.1f|%d", 2.5, 1000), "2.5|1000");
  std::snprintf(native, sizeof native, "%.1f", 2.5);
  EXPECT_STREQ(native, "2,5");
}
