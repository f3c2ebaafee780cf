#include "platform/ProcessLauncher.h"

#include <gtest/gtest.h>
#include <windows.h>

#include <string>
#include <thread>

#include "platform/win32/Win32Child.h"
#include "platform/win32/Win32ProcessLauncher.h"
#include "support/CodePageText.h"
#include "support/FakeProcessStartCalls.h"
#include "support/TempDirectory.h"

namespace {

// What the child wrote when it started, waiting for it a while.
std::string AwaitStarted() {
  std::string written;
  for (int i = 0; i < 200 && written.empty(); ++i) {
    std::this_thread::sleep_for(std::chrono::milliseconds(50));
    written = TempDirectory::ReadFile("started.txt");
  }
  return written;
}

}  // namespace

// The program starts from the current directory, a game folder named beyond
// ASCII in the system's code page included, with its own name as its whole
// command line and is not waited for; a missing one gives the system's error
// and text.
TEST(Win32ProcessLauncher, StartsTheGameFromTheCurrentDirectory) {
  TempDirectory directory;
  const std::string folder = test::NonAsciiFolderName().value_or("Zarvex game");
  ASSERT_TRUE(::CreateDirectoryA(folder.c_str(), nullptr));
  ASSERT_TRUE(::SetCurrentDirectoryA(folder.c_str()));
  ASSERT_TRUE(::CopyFileA(test::ChildPath().c_str(), "Zarvex.exe", TRUE));
  EXPECT_FALSE(platform::GetProcessLauncher().Start("./Zarvex.exe"));
  const std::string written = AwaitStarted();
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

// A game that needs more rights than the tool has (error 740) is started
// through the shell with the same path, in the current folder, so that
// Windows asks the user's consent; the shell's answer is the result, a
// refusal being the system's error. Every other failure is reported as it
// is, without the shell.
TEST(Win32ProcessLauncher, ElevationGoesThroughTheShell) {
  FakeProcessStartCalls calls;
  platform::win32::Win32ProcessLauncher launcher(calls);
  calls.create_error = platform::win32::kErrorElevationRequired;
  EXPECT_FALSE(launcher.Start("./Zarvex.exe"));
  EXPECT_EQ(calls.created, std::vector<std::string>{".\\Zarvex.exe"});
  ASSERT_EQ(calls.shell_opened.size(), 1u);
  EXPECT_EQ(calls.shell_opened[0].file, ".\\Zarvex.exe");
  EXPECT_EQ(calls.shell_opened[0].folder, test::CurrentFolder());

  calls.shell_error = ERROR_CANCELLED;
  const auto refused = launcher.Start("./Zarvex.exe");
  ASSERT_TRUE(refused);
  EXPECT_EQ(refused->number, ERROR_CANCELLED);
  EXPECT_FALSE(refused->text.empty());
  EXPECT_EQ(calls.shell_opened.size(), 2u);

  const DWORD others[] = {ERROR_FILE_NOT_FOUND, ERROR_ACCESS_DENIED, ERROR_BAD_EXE_FORMAT,
                          ERROR_SUCCESS};
  for (const DWORD other : others) {
    SCOPED_TRACE(other);
    calls.create_error = other;
    const auto result = launcher.Start("./Zarvex.exe");
    EXPECT_EQ(result ? static_cast<DWORD>(result->number) : ERROR_SUCCESS, other);
    EXPECT_EQ(calls.shell_opened.size(), 2u);
  }
}

// The shell's road really starts a program from the folder it is given, and
// a missing one is the system's error.
TEST(Win32ProcessLauncher, ShellRoadStartsTheProgram) {
  TempDirectory directory;
  ASSERT_TRUE(::CopyFileA(test::ChildPath().c_str(), "Zarvex.exe", TRUE));
  platform::win32::ProcessStartCalls& calls = platform::win32::SystemProcessStartCalls();
  EXPECT_EQ(calls.ShellOpen(".\\Zarvex.exe", test::CurrentFolder()),
            static_cast<DWORD>(ERROR_SUCCESS));
  EXPECT_FALSE(AwaitStarted().empty());
  EXPECT_NE(calls.ShellOpen(".\\Missing.exe", test::CurrentFolder()),
            static_cast<DWORD>(ERROR_SUCCESS));
  std::this_thread::sleep_for(std::chrono::milliseconds(200));
}
