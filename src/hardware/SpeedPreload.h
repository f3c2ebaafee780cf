#pragma once

#include <optional>
#include <thread>

#include "hardware/SpeedSource.h"
#include "platform/Installed.h"

// The first processor's speed measured ahead, on a thread of its own from the
// construction on, so that the main window's first refresh finds the figure
// ready instead of blocking on the measurement (milliseconds, more on a busy
// machine). While it lives it is the installed SpeedSource: its first answer
// is the early figure, every later one measures afresh as `measured` does.
// main makes one after forking the graphics preload, as threads may exist only
// from then on. Asked from one thread at a time, as the probe is.
class SpeedPreload final : public SpeedSource {
 public:
  explicit SpeedPreload(SpeedSource& measured = RealSpeedSource());
  // Puts back the source installed before, after waiting for a measurement
  // still running: it uses process-wide objects that the process's end
  // destroys.
  ~SpeedPreload() override;
  SpeedPreload(const SpeedPreload&) = delete;
  SpeedPreload& operator=(const SpeedPreload&) = delete;

  std::optional<float> FirstProcessorSpeed() override;

 private:
  SpeedSource& m_measured;
  // Written by the thread, read after joining it.
  std::optional<float> m_early;
  std::thread m_thread;
  // Last: put back only after the destructor has joined the thread.
  platform::Installed<SpeedSource> m_installed{*this, &SetSpeedSource};
};
