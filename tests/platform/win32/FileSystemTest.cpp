#include "platform/FileSystem.h"

#include <gtest/gtest.h>

#include "support/TempDirectory.h"

// Text mode is the C library's, as the log uses it: "\n" is written CR LF.
TEST(Win32FileSystem, TextModeWritesCrLf) {
  TempDirectory directory;
  platform::FileSystem& files = platform::RealFileSystem();
  platform::SystemResult<platform::NativeFile*> file = files.Open(".\\log.txt", "w");
  ASSERT_TRUE(file);
  files.Write(*file, "one\n", 4);
  EXPECT_EQ(files.Close(*file), std::nullopt);
  EXPECT_EQ(TempDirectory::ReadFile("log.txt"), "one\r\n");
}
