#include "platform/posix/PosixProcessLauncher.h"

#include <gtest/gtest.h>
#include <signal.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <chrono>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <thread>

namespace {

namespace fs = std::filesystem;

class PosixProcessLauncherTest : public ::testing::Test {
 protected:
  void SetUp() override {
    char pattern[] = "/tmp/qv_launch_XXXXXX";
    ASSERT_NE(::mkdtemp(pattern), nullptr);
    m_folder = pattern;
    m_previous = fs::current_path();
    fs::current_path(m_folder);
  }
  void TearDown() override {
    fs::current_path(m_previous);
    fs::remove_all(m_folder);
  }

  static void WriteScript(const std::string& name, const std::string& body, fs::perms perms) {
    std::ofstream(name) << "#!/bin/sh\n" << body;
    fs::permissions(name, perms);
  }

  static std::string WaitForFile(const std::string& name) {
    for (int i = 0; i < 500 && !fs::exists(name + ".done"); ++i) {
      std::this_thread::sleep_for(std::chrono::milliseconds(10));
    }
    std::ifstream in(name);
    std::stringstream text;
    text << in.rdbuf();
    return text.str();
  }

  fs::path m_folder;
  fs::path m_previous;
};

// The program starts from the current folder with only its name as argument,
// our environment and default signal handling, and we do not wait for it.
TEST_F(PosixProcessLauncherTest, StartsTheProgramAsGiven) {
  WriteScript("Game.exe",
              "echo \"$0|$#|$PWD|$QV_LAUNCH_MARK\" > out.txt\n"
              "grep '^SigIgn' /proc/self/status >> out.txt\n"
              "sleep 0.3; touch out.txt.done\n",
              fs::perms::owner_all);
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
  EXPECT_TRUE(result.message.empty());
  EXPECT_LT(took, std::chrono::milliseconds(250));
  const std::string output = WaitForFile("out.txt");
  EXPECT_EQ(output.substr(0, output.find('\n')), "./Game.exe|0|" + m_folder.string() + "|carried");
  // SIGUSR1 is ignored here but must not be in the game.
  const std::size_t mask_at = output.find("SigIgn:\t");
  ASSERT_NE(mask_at, std::string::npos) << output;
  const unsigned long long ignored = std::stoull(output.substr(mask_at + 8, 16), nullptr, 16);
  EXPECT_EQ(ignored & (1ULL << (SIGUSR1 - 1)), 0u) << output;
}

// Failures come back as the system's error number and its own text.
TEST_F(PosixProcessLauncherTest, ReportsTheSystemError) {
  platform::PosixProcessLauncher launcher;
  platform::StartResult missing = launcher.Start("./Zarvex.exe");
  EXPECT_EQ(missing.error, ENOENT);
  EXPECT_EQ(missing.message, std::strerror(ENOENT));

  WriteScript("Zarvex.exe", "exit 0\n", fs::perms::owner_read | fs::perms::owner_write);
  platform::StartResult not_executable = launcher.Start("./Zarvex.exe");
  if (::geteuid() != 0) {
    EXPECT_EQ(not_executable.error, EACCES);
    EXPECT_EQ(not_executable.message, std::strerror(EACCES));
  }

  // No search path: a bare name is looked for in the current folder only.
  fs::create_directory("bin");
  WriteScript("bin/OnlyOnPath.exe", "exit 0\n", fs::perms::owner_all);
  const std::string old_path = std::getenv("PATH") ? std::getenv("PATH") : "";
  ::setenv("PATH", (m_folder / "bin").c_str(), 1);
  platform::StartResult on_path = launcher.Start("OnlyOnPath.exe");
  ::setenv("PATH", old_path.c_str(), 1);
  EXPECT_EQ(on_path.error, ENOENT);
}

// The installed launcher replaces the system's until it is removed.
TEST(ProcessLauncherSeam, InstallAndRestore) {
  class Recording final : public platform::ProcessLauncher {
   public:
    platform::StartResult Start(const std::string& path) override {
      m_started = path;
      return {};
    }
    std::string m_started;
  } recording;
  platform::ProcessLauncher& system = platform::GetProcessLauncher();
  EXPECT_EQ(platform::SetProcessLauncher(&recording), nullptr);
  EXPECT_TRUE(platform::GetProcessLauncher().Start("./x").Succeeded());
  EXPECT_EQ(recording.m_started, "./x");
  EXPECT_EQ(platform::SetProcessLauncher(nullptr), &recording);
  EXPECT_EQ(&platform::GetProcessLauncher(), &system);
}

}  // namespace
