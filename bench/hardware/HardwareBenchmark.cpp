// Measures, in one run: the speed measurement of every processor (time per
// processor, accuracy against the kernel's calibrated TSC frequency, spread
// over 20 runs), the fingerprint of the graphics system that keys the
// adapter's cached findings, the graphics adapter query alone (in fresh
// processes: cold, preloaded, and answered from the cache) and the whole
// first Recommend, cold and with the adapter preloaded. The children keep the
// adapter's cache in folders of their own: an empty one for a cold start.

#include <unistd.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <string>
#include <thread>
#include <vector>

#include "hardware/CpuInfo.h"
#include "hardware/HardwareProbe.h"
#include "platform/GraphicsAdapter.h"
#include "platform/ProcessorThreads.h"
#include "platform/posix/VulkanFingerprint.h"

namespace {

using Clock = std::chrono::steady_clock;

constexpr int kSpeedRuns = 20;
constexpr int kChildRuns = 11;
constexpr int kFingerprintRuns = 200;
// About what the tool spends between the preload's start and the first
// Recommend (Qt and the dialog being built).
constexpr auto kStartUpWork = std::chrono::milliseconds(60);

double MillisecondsSince(Clock::time_point start) {
  return std::chrono::duration<double, std::milli>(Clock::now() - start).count();
}

double Median(std::vector<double> values) {
  std::sort(values.begin(), values.end());
  return values.empty() ? 0.0 : values[values.size() / 2];
}

// "tsc: Detected 2694.903 MHz processor" or the later refined calibration.
double KernelTscFromLog() {
  FILE* log = popen("dmesg 2>/dev/null", "r");
  if (log == nullptr) {
    return 0.0;
  }
  double detected = 0.0;
  double refined = 0.0;
  char line[512];
  while (std::fgets(line, sizeof line, log) != nullptr) {
    const char* at = std::strstr(line, "tsc: Detected ");
    if (at != nullptr) {
      detected = std::strtod(at + std::strlen("tsc: Detected "), nullptr);
    }
    at = std::strstr(line, "Refined TSC clocksource calibration: ");
    if (at != nullptr) {
      refined = std::strtod(at + std::strlen("Refined TSC clocksource calibration: "), nullptr);
    }
  }
  pclose(log);
  return refined > 0.0 ? refined : detected;
}

double CpuinfoMhz() {
  FILE* cpuinfo = std::fopen("/proc/cpuinfo", "r");
  if (cpuinfo == nullptr) {
    return 0.0;
  }
  double mhz = 0.0;
  char line[512];
  while (std::fgets(line, sizeof line, cpuinfo) != nullptr) {
    if (std::strncmp(line, "cpu MHz", 7) == 0) {
      const char* colon = std::strchr(line, ':');
      mhz = colon != nullptr ? std::strtod(colon + 1, nullptr) : 0.0;
      break;
    }
  }
  std::fclose(cpuinfo);
  return mhz;
}

// Runs this program again in `mode` and reads the milliseconds it prints.
// `cache_home`: the adapter's cache folder; empty for a fresh, empty one.
double RunChild(const char* mode, const std::string& cache_home) {
  const std::string command = std::filesystem::read_symlink("/proc/self/exe").string() +
                              " --child " + mode + " " + cache_home;
  FILE* child = popen(command.c_str(), "r");
  if (child == nullptr) {
    return -1.0;
  }
  double milliseconds = -1.0;
  if (std::fscanf(child, "%lf", &milliseconds) != 1) {
    milliseconds = -1.0;
  }
  pclose(child);
  return milliseconds;
}

int Child(const std::string& mode, const char* cache_home) {
  const Clock::time_point program_start = Clock::now();
  const auto folder =
      std::filesystem::temp_directory_path() / ("qv-bench-" + std::to_string(getpid()));
  std::filesystem::create_directories(folder);
  std::filesystem::current_path(folder);
  setenv("XDG_CACHE_HOME", cache_home != nullptr ? cache_home : (folder / "cache").c_str(), 1);
  double milliseconds = -1.0;
  if (mode == "adapter" || mode == "adapter-preloaded") {
    if (mode == "adapter-preloaded") {
      platform::StartGraphicsPreload();
      std::this_thread::sleep_until(program_start + kStartUpWork);
    }
    const Clock::time_point start = Clock::now();
    platform::GetGraphicsAdapter().QueryDefaultDeviceCaps();
    milliseconds = MillisecondsSince(start);
  } else if (mode == "recommend") {
    const Clock::time_point start = Clock::now();
    HardwareProbe::Recommend();
    milliseconds = MillisecondsSince(start);
  } else if (mode == "preload-at-once" || mode == "preload-after-start-up") {
    platform::StartGraphicsPreload();
    if (mode == "preload-after-start-up") {
      std::this_thread::sleep_until(program_start + kStartUpWork);
    }
    const Clock::time_point start = Clock::now();
    HardwareProbe::Recommend();
    milliseconds = MillisecondsSince(start);
  }
  std::printf("%.3f\n", milliseconds);
  std::fflush(stdout);
  HardwareProbe::ForgetProcessState();
  std::filesystem::current_path("/");
  std::filesystem::remove_all(folder);
  return 0;
}

void ChildFigure(const char* label, const char* mode, const std::string& cache_home = "") {
  std::vector<double> runs;
  for (int i = 0; i < kChildRuns; ++i) {
    runs.push_back(RunChild(mode, cache_home));
  }
  std::sort(runs.begin(), runs.end());
  std::printf("  %-52s median %7.2f ms  (min %.2f, max %.2f, %d fresh processes)\n", label,
              Median(runs), runs.front(), runs.back(), kChildRuns);
}

}  // namespace

int main(int argc, char** argv) {
  if ((argc == 3 || argc == 4) && std::strcmp(argv[1], "--child") == 0) {
    return Child(argv[2], argc == 4 ? argv[3] : nullptr);
  }

  const double kernel_mhz = KernelTscFromLog();
  const double cpuinfo_mhz = CpuinfoMhz();
  const double reference = kernel_mhz > 0.0 ? kernel_mhz : cpuinfo_mhz;
  std::printf("Kernel TSC calibration (dmesg): %.3f MHz\n", kernel_mhz);
  std::printf("/proc/cpuinfo cpu MHz:          %.3f MHz\n", cpuinfo_mhz);

  const uint32_t mask = platform::GetProcessAffinityMask().value_or(0);
  std::printf("\nProcessor measurement, each processor alone (%d runs):\n", kSpeedRuns);
  for (uint32_t processor = 0; processor < 32; ++processor) {
    if ((mask & (1u << processor)) == 0) {
      continue;
    }
    if (const auto refused = platform::SetProcessAffinityMask(1u << processor)) {
      std::printf("  processor %u: not alone (%s)\n", processor, refused->text.c_str());
      continue;
    }
    std::vector<double> speeds;
    std::vector<double> times;
    for (int run = 0; run < kSpeedRuns; ++run) {
      const Clock::time_point start = Clock::now();
      const CpuInfo cpu_info;
      times.push_back(MillisecondsSince(start));
      if (const std::optional<float> speed = cpu_info.GetSpeed(0)) {
        speeds.push_back(*speed);
      }
    }
    platform::SetProcessAffinityMask(mask);
    if (speeds.empty()) {
      std::printf("  processor %u: no speed\n", processor);
      continue;
    }
    const auto [low, high] = std::minmax_element(speeds.begin(), speeds.end());
    const double median = Median(speeds);
    double worst_error = 0.0;
    for (double speed : speeds) {
      worst_error = std::max(worst_error, std::abs(speed - reference) / reference * 100.0);
    }
    std::printf(
        "  processor %u: median %.2f MHz, spread %.2f MHz (%.2f..%.2f), "
        "error vs kernel median %+.4f%% worst %.4f%%, %.3f ms per processor (median)\n",
        processor, median, *high - *low, *low, *high, (median - reference) / reference * 100.0,
        worst_error, Median(times));
  }

  std::vector<double> whole;
  for (int run = 0; run < kSpeedRuns; ++run) {
    const Clock::time_point start = Clock::now();
    const CpuInfo cpu_info;
    whole.push_back(MillisecondsSince(start));
  }
  std::printf("  whole CpuInfo (%u processors): median %.3f ms\n",
              static_cast<unsigned>(__builtin_popcount(mask)), Median(whole));

  std::vector<double> fingerprints;
  for (int run = 0; run < kFingerprintRuns; ++run) {
    const Clock::time_point start = Clock::now();
    const std::string text = platform::posix::VulkanFingerprint::ForThisProcess().Compute();
    fingerprints.push_back(MillisecondsSince(start));
  }
  std::sort(fingerprints.begin(), fingerprints.end());
  std::printf(
      "\nFingerprint of the graphics system (this process, %d runs): median %.3f ms, "
      "max %.3f ms\n",
      kFingerprintRuns, Median(fingerprints), fingerprints.back());

  std::printf("\nGraphics adapter and the first Recommend:\n");
  ChildFigure("adapter query alone, cold", "adapter");
  ChildFigure("adapter query alone, preload started 60 ms earlier", "adapter-preloaded");
  ChildFigure("first Recommend, no preload", "recommend");
  ChildFigure("first Recommend, preload started just before", "preload-at-once");
  ChildFigure("first Recommend, preload started 60 ms earlier", "preload-after-start-up");
  // A first child fills the cache that the measured ones find.
  const std::string cache_home =
      (std::filesystem::temp_directory_path() / ("qv-bench-cache-" + std::to_string(getpid())))
          .string();
  RunChild("adapter", cache_home);
  ChildFigure("adapter query alone, from the cache (no preload)", "adapter", cache_home);
  ChildFigure("first Recommend, preload from the cache just before", "preload-at-once", cache_home);
  std::filesystem::remove_all(cache_home);
  return 0;
}
