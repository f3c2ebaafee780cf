// Times process start to first paint of the tool's main window and of a bare
// Qt dialog of about as many widgets, offscreen and under Xvfb, and compares
// the two. Both programs are benchmark builds that print "painted" and quit
// after their first paint.
#include <fcntl.h>
#include <poll.h>
#include <signal.h>
#include <spawn.h>
#include <stdlib.h>
#include <sys/wait.h>
#include <time.h>
#include <unistd.h>

#include <algorithm>
#include <cstdio>
#include <filesystem>
#include <optional>
#include <string>
#include <vector>

#include "BenchSupport.h"



namespace {

using bench::Environment;
using bench::Median;
using bench::NowMs;

namespace fs = std::filesystem;

constexpr int kRuns = 21;
constexpr int kWarmUpRuns = 2;
constexpr int kTimeoutMs = 20000;
constexpr double kTargetRatio = 1.3;

// Milliseconds from spawning `program` in `folder` until it reports its
// first paint; nothing when it fails or takes too long.
std::optional<double> TimeFirstPaint(const std::string& program, const fs::path& folder,
                                     const std::vector<std::string>& environment) {
  int pipe_ends[2];
  if (pipe2(pipe_ends, O_CLOEXEC) != 0) {
    return std::nullopt;
  }
  posix_spawn_file_actions_t actions;
  posix_spawn_file_actions_init(&actions);
  posix_spawn_file_actions_adddup2(&actions, pipe_ends[1], 1);
  posix_spawn_file_actions_addopen(&actions, 2, "/dev/null", O_WRONLY, 0);
  posix_spawn_file_actions_addchdir_np(&actions, folder.c_str());
  std::vector<char*> env;
  for (const std::string& entry : environment) {
    env.push_back(const_cast<char*>(entry.c_str()));
  }
  env.push_back(nullptr);
  std::string name = program;
  char* arguments[] = {name.data(), nullptr};

  const double start = NowMs();
  pid_t child = 0;
  const int error = posix_spawn(&child, program.c_str(), &actions, nullptr, arguments, env.data());
  posix_spawn_file_actions_destroy(&actions);
  close(pipe_ends[1]);
  std::optional<double> result;
  if (error == 0) {
    std::string output;
    while (output.find("painted") == std::string::npos) {
      const double left = kTimeoutMs - (NowMs() - start);
      pollfd entry{pipe_ends[0], POLLIN, 0};
      if (left <= 0 || poll(&entry, 1, static_cast<int>(left)) <= 0) {
        break;
      }
      char buffer[64];
      const ssize_t count = read(pipe_ends[0], buffer, sizeof buffer);
      if (count <= 0) {
        break;
      }
      output.append(buffer, static_cast<size_t>(count));
    }
    if (output.find("painted") != std::string::npos) {
      result = NowMs() - start;
    }
    kill(child, SIGKILL);
    waitpid(child, nullptr, 0);
  }
  close(pipe_ends[0]);
  return result;
}

// Runs both programs alternately; returns false when the tool misses the target.
bool Compare(const char* label, const std::string& platform, const std::string& display,
             const fs::path& work) {
  const std::vector<std::string> environment = Environment(platform, display);
  std::vector<double> tool;
  std::vector<double> bare;
  for (int run = 0; run < kWarmUpRuns + kRuns; ++run) {
    // A fresh game folder each time: the tool's first start in a folder
    // writes no settings, so every run does the same work.
    const fs::path folder = work / ("game" + std::to_string(run));
    fs::create_directories(folder);
    const std::optional<double> tool_ms = TimeFirstPaint(QV_TOOL_PATH, folder, environment);
    const std::optional<double> bare_ms = TimeFirstPaint(QV_BARE_DIALOG_PATH, folder, environment);
    if (!tool_ms || !bare_ms) {
      std::printf("%-10s a program did not paint within %d ms\n", label, kTimeoutMs);
      return false;
    }
    if (run >= kWarmUpRuns) {
      tool.push_back(*tool_ms);
      bare.push_back(*bare_ms);
    }
  }
  const double ratio = Median(tool) / Median(bare);
  std::printf(
      "%-10s tool median %6.1f ms (min %6.1f)   bare dialog median %6.1f ms (min %6.1f)   "
      "ratio %.2f (target <= %.1f) %s\n",
      label, Median(tool), *std::min_element(tool.begin(), tool.end()), Median(bare),
      *std::min_element(bare.begin(), bare.end()), ratio, kTargetRatio,
      ratio <= kTargetRatio ? "ok" : "MISSED");
  std::fflush(stdout);
  return ratio <= kTargetRatio;
}

}  // namespace

int main() {
  char pattern[] = "/tmp/qv_startup_XXXXXX";
  if (mkdtemp(pattern) == nullptr) {
    std::perror("mkdtemp");
    return 2;
  }
  const fs::path work = pattern;
  std::printf("Process start to first paint, median of %d runs each\n", kRuns);
  bool met = Compare("offscreen", "offscreen", "", work);
  if (std::optional<bench::Xvfb> server = bench::StartXvfb()) {
    met = Compare("xvfb", "xcb", server->display, work) && met;
    bench::StopXvfb(*server);
  } else {
    std::printf("xvfb       skipped: Xvfb could not be started\n");
  }
  fs::remove_all(work);
  return met ? 0 : 1;
}
