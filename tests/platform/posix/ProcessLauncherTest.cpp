#include "platform/ProcessLauncher.h"

#include <gtest/gtest.h>
#include <signal.h>
#include <sys/stat.h>

#include <cerrno>
#include <chrono>
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
  ScopedVariable mark("QV_LAUNCH_MARK", "carried");
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

// A bare name is looked for in the current folder only, never on the search
// path: missing there, it is the system's "no such file". (That failures carry
// the system's own text is the last test's.)
TEST(ProcessLauncher, BareNameIsNotSearchedOnThePath) {
  TempDirectory folder;
  WriteScript("bin/OnlyOnPath.exe", "exit 0\n");
  ScopedVariable path("PATH", folder.Path() + "/bin");
  const std::optional<platform::SystemError> not_here =
      platform::RealProcessLauncher().Start("OnlyOnPath.exe");
  EXPECT_EQ(not_here.value_or(platform::SystemError{}).number, ENOENT);
}

// A stand-in Windows program, and a stand-in Wine that records how it was
// started: its own path, its arguments, its folder and a variable of ours.
constexpr char kWindowsProgram[] = "MZ\x90\0\3\0\0\0PE stand-in";

void WriteWine(const std::string& path, const std::string& record) {
  WriteScript(path, "echo \"$0|$*|$PWD|$QV_LAUNCH_MARK\" > '" + record + ".part'\nmv '" + record +
                        ".part' '" + record + "'\n");
}

// Starts ./Zarvex.exe and returns the first line the program it ran left in
// `record`, or the error.
std::string StartAndRead(const std::string& record) {
  const std::optional<platform::SystemError> error =
      platform::RealProcessLauncher().Start("./Zarvex.exe");
  if (error) return "error: " + error->text;
  for (int i = 0; i < 500 && !fs::exists(record); ++i) {
    std::this_thread::sleep_for(std::chrono::milliseconds(10));
  }
  const std::string text = TempDirectory::ReadFile(record);
  fs::remove(record);
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

// A Windows program that the system cannot run goes to Wine (found on PATH,
// or named by a non-empty $WINE) with the program as given, in our folder,
// with our environment, whether or not the file may be executed.
TEST(ProcessLauncherWine, WindowsProgramsStartThroughWine) {
  TempDirectory folder;
  const std::string record = folder.Path() + "/wine.txt";
  WriteWine("bin/wine", record);
  WriteWine("other wine/runner", record);
  ScopedVariable path("PATH", folder.Path() + "/bin:/usr/bin:/bin");
  ScopedVariable chosen("WINE", std::nullopt);
  ScopedVariable mark("QV_LAUNCH_MARK", "carried");
  TempDirectory::WriteFile("Zarvex.exe", std::string(kWindowsProgram, sizeof kWindowsProgram - 1));
  const std::string started = "|./Zarvex.exe|" + folder.Path() + "|carried";

  fs::permissions("Zarvex.exe", fs::perms::owner_read | fs::perms::owner_write);
  EXPECT_EQ(StartAndRead(record), folder.Path() + "/bin/wine" + started);
  if (!SystemRunsWindowsPrograms()) {
    fs::permissions("Zarvex.exe", fs::perms::owner_all);
    EXPECT_EQ(StartAndRead(record), folder.Path() + "/bin/wine" + started);
  }
  chosen.Set("");
  EXPECT_EQ(StartAndRead(record), folder.Path() + "/bin/wine" + started);
  chosen.Set(folder.Path() + "/other wine/runner");
  EXPECT_EQ(StartAndRead(record), folder.Path() + "/other wine/runner" + started);
  // Copied from a disk that ignores case, the program keeps its spelling there.
  fs::rename("Zarvex.exe", "ZARVEX.EXE");
  EXPECT_EQ(StartAndRead(record), folder.Path() + "/other wine/runner|./ZARVEX.EXE|" +
                                      folder.Path() + "|carried");
  fs::rename("ZARVEX.EXE", "Zarvex.exe");

  // No Wine: the error says so and what to install; a $WINE that cannot be
  // started is named with the system's reason.
  path.Set("/nonexistent");
  chosen.Set(std::nullopt);
  EXPECT_EQ(StartAndRead(record),
            "error: Zarvex.exe is a Windows program, and Wine, which runs Windows programs on "
            "this system, is not installed (there is no \"wine\" on the PATH). Install Wine (on "
            "Debian and Ubuntu, the package \"wine\"), then start the game again.");
  chosen.Set("/nonexistent/wine");
  EXPECT_EQ(StartAndRead(record),
            "error: Zarvex.exe is a Windows program, and the Wine that should run it "
            "(/nonexistent/wine, named by WINE) cannot be started: " +
                std::string(std::strerror(ENOENT)) + ".");
}

// A native program or script starts as itself although Wine is there; what
// cannot start and is not a Windows program fails with the system's own
// error, a pipe under the program's name included, without waiting on it.
TEST(ProcessLauncherWine, OtherProgramsStartAsThemselves) {
  TempDirectory folder;
  WriteWine("bin/wine", folder.Path() + "/wine.txt");
  ScopedVariable path("PATH", folder.Path() + "/bin:/usr/bin:/bin");
  WriteScript("Zarvex.exe", "echo \"native|$PWD\" > native.part\nmv native.part native.txt\n");
  EXPECT_EQ(StartAndRead("native.txt"), "native|" + folder.Path());

  TempDirectory::WriteFile("Zarvex.exe", "echo no interpreter line\n");
  EXPECT_EQ(StartAndRead("wine.txt"), "error: " + std::string(std::strerror(ENOEXEC)));
  fs::remove("Zarvex.exe");
  ASSERT_EQ(::mkfifo("Zarvex.exe", 0700), 0);
  EXPECT_EQ(StartAndRead("wine.txt"), "error: " + std::string(std::strerror(EACCES)));
}

}  // namespace
