#include "platform/posix/PosixProcessLauncher.h"

#include <gtest/gtest.h>
#include <signal.h>

#include <cerrno>
#include <chrono>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <thread>

#include "support/TempDirectory.h"

namespace {

namespace fs = std::filesystem;

void WriteScript(const std::string& name, const std::string& body) {
  std::ofstream(name) << "#!/bin/sh\n" << body;
  fs::permissions(name, fs::perms::owner_all);
}

// The program starts from the current folder with only its name as argument,
// our environment and default signal handling, and we do not wait for it.
TEST(PosixProcessLauncher, StartsTheProgramAsGiven) {
  TempDirectory folder;
  WriteScript("Game.exe",
              "echo \"$0|$#|$PWD|$QV_LAUNCH_MARK\" > out.txt\n"
              "grep '^SigIgn' /proc/self/status >> out.txt\n"
              "sleep 0.3; touch out.txt.done\n");
  ::setenv("QV_LAUNCH_MARK", "carried", 1);
  struct sigaction ignore {};
  ignore.sa_handler = SIG_IGN;
  struct sigaction previous {};
  ::sigaction(SIGUSR1, &ignore, &previous);
  const auto start = std::chrono::steady_clock::now();
  const platform::StartResult result = platform::PosixProcessLauncher().Start("./Game.exe");
  const auto took = std::chrono::steady_clock::now() - start;
  ::sigaction(SIGUSR1, &previous, nullptr);

  ASSERT_TRUE(result.Succeeded()) << result.message;
  EXPECT_LT(took, std::chrono::milliseconds(250));
  for (int i = 0; i < 500 && !fs::exists("out.txt.done"); ++i) {
    std::this_thread::sleep_for(std::chrono::milliseconds(10));
  }
  const std::string output = TempDirectory::ReadFile("out.txt");
  EXPECT_EQ(output.substr(0, output.find('\n')), "./Game.exe|0|" + folder.Path() + "|carried");
  // SIGUSR1 is ignored here but must not be in the game.
  const std::size_t mask_at = output.find("SigIgn:\t");
  ASSERT_NE(mask_at, std::string::npos) << output;
  const unsigned long long ignored = std::stoull(output.substr(mask_at + 8, 16), nullptr, 16);
  EXPECT_EQ(ignored & (1ULL << (SIGUSR1 - 1)), 0u) << output;
}

// Failures come back as the system's error number and its own text; a bare
// name is looked for in the current folder only, never on the search path.
TEST(PosixProcessLauncher, ReportsTheSystemError) {
  TempDirectory folder;
  platform::PosixProcessLauncher launcher;
  const platform::StartResult missing = launcher.Start("./Zarvex.exe");
  EXPECT_EQ(missing.error, ENOENT);
  EXPECT_EQ(missing.message, std::strerror(ENOENT));

  fs::create_directory("bin");
  WriteScript("bin/OnlyOnPath.exe", "exit 0\n");
  const std::string old_path = std::getenv("PATH") ? std::getenv("PATH") : "";
  ::setenv("PATH", (folder.Path() + "/bin").c_str(), 1);
  const platform::StartResult on_path = launcher.Start("OnlyOnPath.exe");
  ::setenv("PATH", old_path.c_str(), 1);
  EXPECT_EQ(on_path.error, ENOENT);
}

}  // namespace
