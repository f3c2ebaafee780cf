#include "platform/ProcessLauncher.h"

#include <gtest/gtest.h>
#include <signal.h>
#include <sys/stat.h>

#include <cerrno>
#include <chrono>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <thread>

#include "platform/posix/ScopedVariable.h"
#include "support/TempDirectory.h"

namespace {

namespace fs = std::filesystem;

void WriteScript(const std::string& name, const std::string& body) {
  TempDirectory::WriteFile(name, "#!/bin/sh\n" + body);
  fs::permissions(name, fs::perms::owner_all);
}

// The program starts from the current folder with only its name as argument,
// our environment and default signal handling (SIGUSR1, ignored here, is not
// ignored there), and we do not wait for it.
TEST(ProcessLauncher, StartsTheProgramAsGiven) {
  TempDirectory folder;
  WriteScript("Game.exe",
              "echo \"$0|$#|$PWD|$QV_LAUNCH_MARK\" > out.txt\n"
              "grep '^SigIgn' /proc/self/status | cut -c9- >> out.txt\n"
              "sleep 0.3; touch out.txt.done\n");
  ::setenv("QV_LAUNCH_MARK", "carried", 1);
  const auto previous = ::signal(SIGUSR1, SIG_IGN);
  const auto start = std::chrono::steady_clock::now();
  const std::optional<platform::SystemError> error =
      platform::RealProcessLauncher().Start("./Game.exe");
  const auto took = std::chrono::steady_clock::now() - start;
  ::signal(SIGUSR1, previous);
  ASSERT_FALSE(error) << error->text;
  EXPECT_LT(took, std::chrono::milliseconds(250));
  for (int i = 0; i < 500 && !fs::exists("out.txt.done"); ++i) {
    std::this_thread::sleep_for(std::chrono::milliseconds(10));
  }
  const std::string output = TempDirectory::ReadFile("out.txt");
  const std::size_t line_end = output.find('\n');
  EXPECT_EQ(output.substr(0, line_end), "./Game.exe|0|" + folder.Path() + "|carried");
  const unsigned long long ignored = std::stoull(output.substr(line_end + 1), nullptr, 16);
  EXPECT_EQ(ignored & (1ULL << (SIGUSR1 - 1)), 0u) << output;
}

// Failures come back as the system's error number and its own text; a bare
// name is looked for in the current folder only, never on the search path.
TEST(ProcessLauncher, ReportsTheSystemError) {
  TempDirectory folder;
  const std::optional<platform::SystemError> missing =
      platform::RealProcessLauncher().Start("./Zarvex.exe");
  ASSERT_TRUE(missing);
  EXPECT_EQ(missing->number, ENOENT);
  EXPECT_EQ(missing->text, std::strerror(ENOENT));
  WriteScript("bin/OnlyOnPath.exe", "exit 0\n");
  const std::string old_path = std::getenv("PATH") ? std::getenv("PATH") : "";
  ::setenv("PATH", (folder.Path() + "/bin").c_str(), 1);
  EXPECT_EQ(platform::RealProcessLauncher()
                .Start("OnlyOnPath.exe")
                .value_or(platform::SystemError{})
                .number,
            ENOENT);
  ::setenv("PATH", old_path.c_str(), 1);
}

}  // namespace

// Wine's part: a Windows program (a file that begins with MZ) that this
// system cannot run itself goes to Wine; everything else starts as itself.
namespace wine {

constexpr char kWindowsProgram[] = "MZ\x90\0\3\0\0\0\4\0\0\0\xff\xff\0\0PE stand-in";

// A stand-in Wine that records how it was started: its own path, its
// arguments, its folder and a variable of ours.
void WriteWine(const std::string& path, const std::string& record) {
  WriteScript(path, "echo \"$0|$*|$PWD|$QV_LAUNCH_MARK\" > '" + record + ".part'\nmv '" + record +
                        ".part' '" + record + "'\n");
}

std::string WaitForRecord(const std::string& path) {
  for (int i = 0; i < 500 && !fs::exists(path); ++i) {
    std::this_thread::sleep_for(std::chrono::milliseconds(10));
  }
  const std::string text = TempDirectory::ReadFile(path);
  fs::remove(path);
  return text.substr(0, text.find('\n'));
}

// True when binfmt_misc hands files beginning with MZ to a runner of its own,
// which then runs an executable PE file directly.
bool SystemRunsWindowsPrograms() {
  std::error_code error;
  for (const auto& entry : fs::directory_iterator("/proc/sys/fs/binfmt_misc", error)) {
    const std::string text = TempDirectory::ReadFile(entry.path().string());
    if (text.starts_with("enabled") && text.find("magic 4d5a") != std::string::npos) return true;
  }
  return false;
}

// Through Wine: found on PATH, or named by $WINE (an empty one counts as
// unset); with the program as given, in our folder, with our environment;
// whether or not the file may be executed.
TEST(ProcessLauncherWine, WindowsProgramsStartThroughWine) {
  TempDirectory folder;
  const std::string record = folder.Path() + "/wine.txt";
  WriteWine("bin/wine", record);
  WriteWine("other wine/runner", record);
  ScopedVariable path("PATH", folder.Path() + "/bin:/usr/bin:/bin");
  ScopedVariable chosen("WINE", std::nullopt);
  ScopedVariable mark("QV_LAUNCH_MARK", "carried");
  TempDirectory::WriteFile("Zarvex.exe", std::string(kWindowsProgram, sizeof kWindowsProgram - 1));
  const std::string through_path =
      folder.Path() + "/bin/wine|./Zarvex.exe|" + folder.Path() + "|carried";

  fs::permissions("Zarvex.exe", fs::perms::owner_read | fs::perms::owner_write);
  std::optional<platform::SystemError> error =
      platform::RealProcessLauncher().Start("./Zarvex.exe");
  ASSERT_FALSE(error) << error->text;
  EXPECT_EQ(WaitForRecord(record), through_path);

  if (!SystemRunsWindowsPrograms()) {
    fs::permissions("Zarvex.exe", fs::perms::owner_all);
    error = platform::RealProcessLauncher().Start("./Zarvex.exe");
    ASSERT_FALSE(error) << error->text;
    EXPECT_EQ(WaitForRecord(record), through_path);
  }

  chosen.Set("");
  error = platform::RealProcessLauncher().Start("./Zarvex.exe");
  ASSERT_FALSE(error) << error->text;
  EXPECT_EQ(WaitForRecord(record), through_path);

  chosen.Set(folder.Path() + "/other wine/runner");
  error = platform::RealProcessLauncher().Start("./Zarvex.exe");
  ASSERT_FALSE(error) << error->text;
  EXPECT_EQ(WaitForRecord(record),
            folder.Path() + "/other wine/runner|./Zarvex.exe|" + folder.Path() + "|carried");
}

// Without Wine the error says so and what to install; a $WINE that cannot be
// started is named with the system's reason.
TEST(ProcessLauncherWine, MissingWineIsNamed) {
  TempDirectory folder;
  fs::create_directory("empty");
  ScopedVariable path("PATH", folder.Path() + "/empty");
  ScopedVariable chosen("WINE", std::nullopt);
  TempDirectory::WriteFile("Zarvex.exe", std::string(kWindowsProgram, sizeof kWindowsProgram - 1));

  std::optional<platform::SystemError> error =
      platform::RealProcessLauncher().Start("./Zarvex.exe");
  ASSERT_TRUE(error);
  EXPECT_EQ(error->number, ENOENT);
  EXPECT_EQ(error->text,
            "Zarvex.exe is a Windows program, and Wine, which runs Windows programs on this "
            "system, is not installed (there is no \"wine\" on the PATH). Install Wine (on Debian "
            "and Ubuntu, the package \"wine\"), then start the game again.");

  chosen.Set(folder.Path() + "/no-wine-here");
  error = platform::RealProcessLauncher().Start("./Zarvex.exe");
  ASSERT_TRUE(error);
  EXPECT_EQ(error->number, ENOENT);
  EXPECT_EQ(error->text,
            "Zarvex.exe is a Windows program, and the Wine that should run it (" + folder.Path() +
                "/no-wine-here, named by WINE) cannot be started: " + std::strerror(ENOENT) + ".");
}

// A native program or script starts as itself although Wine is there; what
// cannot start and is not a Windows program fails with the system's own
// error, a pipe under the program's name included, without waiting on it.
TEST(ProcessLauncherWine, OtherProgramsStartAsThemselves) {
  TempDirectory folder;
  WriteWine("bin/wine", folder.Path() + "/wine.txt");
  ScopedVariable path("PATH", folder.Path() + "/bin:/usr/bin:/bin");
  ScopedVariable chosen("WINE", std::nullopt);

  WriteScript("Zarvex.exe", "echo \"native|$PWD\" > native.part\nmv native.part native.txt\n");
  std::optional<platform::SystemError> error =
      platform::RealProcessLauncher().Start("./Zarvex.exe");
  ASSERT_FALSE(error) << error->text;
  EXPECT_EQ(WaitForRecord("native.txt"), "native|" + folder.Path());
  EXPECT_FALSE(fs::exists("wine.txt"));

  TempDirectory::WriteFile("Zarvex.exe", "echo no interpreter line\n");
  fs::permissions("Zarvex.exe", fs::perms::owner_all);
  error = platform::RealProcessLauncher().Start("./Zarvex.exe");
  ASSERT_TRUE(error);
  EXPECT_EQ(error->number, ENOEXEC);
  EXPECT_EQ(error->text, std::strerror(ENOEXEC));

  fs::remove("Zarvex.exe");
  ASSERT_EQ(::mkfifo("Zarvex.exe", 0700), 0);
  error = platform::RealProcessLauncher().Start("./Zarvex.exe");
  ASSERT_TRUE(error);
  EXPECT_EQ(error->number, EACCES);
  EXPECT_FALSE(fs::exists("wine.txt"));
}

}  // namespace wine
