#include "platform/ProcessLauncher.h"

#include <gtest/gtest.h>
#include <windows.h>

#include <filesystem>
#include <string>
#include <thread>

#include "platform/win32/Win32Child.h"
#include "support/TempDirectory.h"

// The program starts from the current directory with its own name as its whole command line and
// is not waited for; a missing one gives the system's error and text.
TEST(Win32ProcessLauncher, StartsTheGameFromTheCurrentDirectory) {
  TempDirectory directory;
  ASSERT_TRUE(::CopyFileA(test::ChildPath().c_str(), "Zarvex.exe", TRUE));
  EXPECT_FALSE(platform::GetProcessLauncher().Start("./Zarvex.exe"));
  std::string written;
  for (int i = 0; i < 200 && written.empty(); ++i) {
    std::this_thread::sleep_for(std::chrono::milliseconds(50));
    written = TempDirectory::ReadFile("started.txt");
  }
  // Windows passes the name as it is, Wine in quotes.
  EXPECT_TRUE(written == ".\\Zarvex.exe" || written == "\".\\Zarvex.exe\"") << written;

  const auto missing = platform::GetProcessLauncher().Start("./Missing.exe");
  ASSERT_TRUE(missing);
  EXPECT_EQ(missing->number, ERROR_FILE_NOT_FOUND);
  // The system's own words (Windows and Wine word it differently), without its line end.
  EXPECT_FALSE(missing->text.empty());
  EXPECT_EQ(missing->text.find_first_of("\r\n"), std::string::npos);
  // Give the child time to close its file before the folder goes.
  std::this_thread::sleep_for(std::chrono::milliseconds(200));
}
