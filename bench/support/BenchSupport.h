#pragma once

#include <sys/types.h>

#include <functional>
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

// What a child printed on its standard output and when it was done.
struct ChildOutput {
  std::string text;
  double elapsed_ms = 0;
};

// Runs `arguments` (the program first) in `folder` (empty: this one) with
// `environment`, reading its output until `done` holds for it, the child
// closes it, or `timeout_ms` pass; then ends the child. `elapsed_ms` is the
// time from the start to the last read. Nothing when it cannot be started.
std::optional<ChildOutput> RunChild(std::vector<std::string> arguments,
                                    const std::vector<std::string>& environment,
                                    const std::string& folder, double timeout_ms,
                                    const std::function<bool(const std::string&)>& done);

// An X server of the benchmark's own on a free display.
struct Xvfb {
  pid_t pid = 0;
  std::string display;
};

// Nothing when Xvfb is missing or did not start.
std::optional<Xvfb> StartXvfb();
void StopXvfb(const Xvfb& server);

}  // namespace bench
