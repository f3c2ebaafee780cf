#include "platform/ProcessLauncher.h"

#include <gtest/gtest.h>
#include <signal.h>

#include <cerrno>
#include <chrono>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <thread>

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
