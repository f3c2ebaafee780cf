#pragma once

#include <sys/types.h>

#include <optional>
#include <string>
#include <vector>

namespace bench {

// Milliseconds on the monotonic clock.
double NowMs();

// This process's environment with the display choice replaced: the Qt
// platform plugin and, when not empty, the X display.
std::vector<std::string> Environment(const std::string& platform, const std::string& display);

double Median(std::vector<double> values);

// An X server of the benchmark's own on a free display.
struct Xvfb {
  pid_t pid = 0;
  std::string display;
};

// Nothing when Xvfb is missing or did not start.
std::optional<Xvfb> StartXvfb();
void StopXvfb(const Xvfb& server);

}  // namespace bench
