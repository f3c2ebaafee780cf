// Times process start to first paint of the tool's main window and of a bare
// Qt dialog of about as many widgets, offscreen and under Xvfb, and compares
// the two. Both programs are benchmark builds that print "painted" and quit
// after their first paint.
#include <stdlib.h>

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
  auto painted = [](const std::string& text) { return text.find("painted") != std::string::npos; };
  const std::optional<bench::ChildOutput> output =
      bench::RunChild({program}, environment, folder.string(), kTimeoutMs, painted);
  if (!output || !painted(output->text)) {
    return std::nullopt;
  }
  return output->elapsed_ms;
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
