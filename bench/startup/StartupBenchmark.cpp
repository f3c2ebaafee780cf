// Times process start to first paint of the tool's main window, without and
// with the graphics adapter's cached findings, and of a bare Qt dialog of
// about as many widgets, offscreen and under Xvfb, and compares them. Both
// programs are benchmark builds that print "painted" and quit after their
// first paint. The tool's cache lives in the benchmark's own folders.
#include <stdlib.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <filesystem>
#include <optional>
#include <string>
#include <thread>
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
constexpr auto kSettle = std::chrono::milliseconds(100);

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

// The environment with the user's cache folder replaced by `cache_home`.
std::vector<std::string> WithCacheHome(std::vector<std::string> environment,
                                       const fs::path& cache_home) {
  std::erase_if(environment,
                [](const std::string& entry) { return entry.starts_with("XDG_CACHE_HOME="); });
  environment.push_back("XDG_CACHE_HOME=" + cache_home.string());
  return environment;
}

// The cache file's identity: a start that misses the cache replaces it.
std::optional<fs::file_time_type> CacheStamp(const fs::path& cache_home) {
  std::error_code error;
  const fs::file_time_type stamp =
      fs::last_write_time(cache_home / "qvconfig" / "vulkan-findings", error);
  return error ? std::nullopt : std::optional(stamp);
}

void PrintFigure(const char* label, const char* what, const std::vector<double>& runs,
                 double bare_median) {
  std::printf("%-10s %-22s median %6.1f ms (min %6.1f)   ratio %.2f\n", label, what, Median(runs),
              *std::min_element(runs.begin(), runs.end()), Median(runs) / bare_median);
}

// Runs the tool without a cache, the tool with the cache a first start left,
// and the bare dialog, alternately; returns false when the warm tool misses
// the target.
bool Compare(const char* label, const std::string& platform, const std::string& display,
             const fs::path& work) {
  const std::vector<std::string> environment = Environment(platform, display);
  const fs::path warm_cache = work / (std::string(label) + "-warm-cache");
  // The start that fills the cache for the warm runs.
  if (!TimeFirstPaint(QV_TOOL_PATH, work, WithCacheHome(environment, warm_cache))) {
    std::printf("%-10s the tool did not paint within %d ms\n", label, kTimeoutMs);
    return false;
  }
  const std::optional<fs::file_time_type> filled = CacheStamp(warm_cache);
  std::vector<double> cold;
  std::vector<double> warm;
  std::vector<double> bare;
  for (int run = 0; run < kWarmUpRuns + kRuns; ++run) {
    // A fresh game folder each time: the tool's first start in a folder
    // writes no settings, so every run does the same work. A fresh cache
    // folder makes a cold start.
    const fs::path folder = work / ("game" + std::to_string(run));
    fs::create_directories(folder);
    const fs::path cold_cache = work / ("cold-cache" + std::to_string(run));
    const std::optional<double> cold_ms =
        TimeFirstPaint(QV_TOOL_PATH, folder, WithCacheHome(environment, cold_cache));
    // The cold start's examining child outlives the tool by its exit;
    // it should not share the processors with the next start.
    std::this_thread::sleep_for(kSettle);
    const std::optional<double> warm_ms =
        TimeFirstPaint(QV_TOOL_PATH, folder, WithCacheHome(environment, warm_cache));
    const std::optional<double> bare_ms = TimeFirstPaint(QV_BARE_DIALOG_PATH, folder, environment);
    if (!cold_ms || !warm_ms || !bare_ms) {
      std::printf("%-10s a program did not paint within %d ms\n", label, kTimeoutMs);
      return false;
    }
    if (run >= kWarmUpRuns) {
      cold.push_back(*cold_ms);
      warm.push_back(*warm_ms);
      bare.push_back(*bare_ms);
    }
  }
  const double bare_median = Median(bare);
  const double ratio = Median(warm) / bare_median;
  std::printf("%-10s %-22s median %6.1f ms (min %6.1f)\n", label, "bare dialog", bare_median,
              *std::min_element(bare.begin(), bare.end()));
  PrintFigure(label, "tool, cold (no cache)", cold, bare_median);
  PrintFigure(label, "tool, warm (cache)", warm, bare_median);
  std::printf(
      "%-10s warm target <= %.1f: %s%s\n", label, kTargetRatio,
      ratio <= kTargetRatio ? "ok" : "MISSED",
      filled && CacheStamp(warm_cache) == filled ? "" : " (the warm runs missed the cache)");
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
