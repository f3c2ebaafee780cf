// Times the opening of the controller window, from the Configure click to
// the window's first paint, with the real Qt backend, resources and SDL
// gamepads: cold (the first opening in a process) and warm (the second), with
// no pads and with two virtual game controllers, offscreen and under an Xvfb
// of its own. Every sample is a fresh run of this program with
// --one cold|warm pads|nopads, which prints one figure in milliseconds.
#include <unistd.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <optional>
#include <string>
#include <vector>

#include "BenchSupport.h"

#include "ControllerOpening.h"

namespace {

using bench::Environment;
using bench::NowMs;

constexpr int kRuns = 21;
constexpr int kWarmUpRuns = 1;
constexpr int kTimeoutMs = 10000;
constexpr double kColdTargetMs = 50.0;
constexpr double kWarmTargetMs = 20.0;

struct Case {
  const char* opening;
  const char* pads;
  double target_ms;
};

constexpr Case kCases[] = {{"cold", "nopads", kColdTargetMs},
                           {"cold", "pads", kColdTargetMs},
                           {"warm", "nopads", kWarmTargetMs},
                           {"warm", "pads", kWarmTargetMs}};

std::string SelfPath() {
  char path[4096];
  const ssize_t length = readlink("/proc/self/exe", path, sizeof path - 1);
  return length > 0 ? std::string(path, static_cast<size_t>(length)) : "/proc/self/exe";
}

// Runs this program once for `which` and reads the figure it prints;
// nothing when it fails or takes too long.
std::optional<double> RunOne(const Case& which, const std::vector<std::string>& environment) {
  // The child prints its one figure and ends.
  const std::optional<bench::ChildOutput> run =
      bench::RunChild({SelfPath(), "--one", which.opening, which.pads}, environment, "", kTimeoutMs,
                      [](const std::string&) { return false; });
  if (!run) {
    return std::nullopt;
  }
  const std::string& output = run->text;
  char* end = nullptr;
  const double figure = std::strtod(output.c_str(), &end);
  if (end == output.c_str() || *end != '\n') {
    return std::nullopt;
  }
  return figure;
}

// Samples every case in turn, so that a slow spell of the machine spreads
// over all of them; false when a run failed.
bool Measure(const char* label, const std::string& platform, const std::string& display) {
  const std::vector<std::string> environment = Environment(platform, display);
  std::vector<std::vector<double>> figures(std::size(kCases));
  for (int run = 0; run < kWarmUpRuns + kRuns; ++run) {
    for (std::size_t index = 0; index < std::size(kCases); ++index) {
      const std::optional<double> figure = RunOne(kCases[index], environment);
      if (!figure) {
        std::printf("%-10s %s %s: a run did not paint the window within %d ms\n", label,
                    kCases[index].opening, kCases[index].pads, kTimeoutMs);
        return false;
      }
      if (run >= kWarmUpRuns) {
        figures[index].push_back(*figure);
      }
    }
  }
  for (std::size_t index = 0; index < std::size(kCases); ++index) {
    std::vector<double>& values = figures[index];
    std::sort(values.begin(), values.end());
    const double median = values[values.size() / 2];
    const Case& which = kCases[index];
    std::printf("%-10s %s %-7s median %6.2f ms  (min %6.2f, max %6.2f)  target < %2.0f ms %s\n",
                label, which.opening, which.pads, median, values.front(), values.back(),
                which.target_ms, median < which.target_ms ? "ok" : "MISSED");
  }
  std::fflush(stdout);
  return true;
}

int One(char** argv) {
  const std::string opening = argv[2];
  const std::string pads = argv[3];
  if ((opening != "cold" && opening != "warm") || (pads != "pads" && pads != "nopads")) {
    std::fprintf(stderr, "usage: bench_controls [--one cold|warm pads|nopads]\n");
    return 2;
  }
  // Qt sees only the program name.
  int qt_argc = 1;
  const std::optional<double> figure =
      TimeControllerOpening(qt_argc, argv, opening == "cold" ? Opening::kCold : Opening::kWarm,
                            pads == "pads" ? PadSetup::kTwoPads : PadSetup::kNoPads);
  if (!figure) {
    std::fprintf(stderr, "the controller window could not be opened\n");
    return 1;
  }
  std::printf("%.3f\n", *figure);
  return 0;
}

}  // namespace

int main(int argc, char** argv) {
  if (argc == 4 && std::strcmp(argv[1], "--one") == 0) {
    return One(argv);
  }
  std::printf(
      "Configure click to the controller window's first paint, median of %d fresh processes "
      "each\n",
      kRuns);
  std::fflush(stdout);
  bool ok = Measure("offscreen", "offscreen", "");
  if (std::optional<bench::Xvfb> server = bench::StartXvfb()) {
    ok = Measure("xvfb", "xcb", server->display) && ok;
    bench::StopXvfb(*server);
  } else {
    std::printf("xvfb       skipped: Xvfb is missing or could not be started\n");
  }
  return ok ? 0 : 1;
}
