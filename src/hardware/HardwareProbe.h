#pragma once

#include <cstdint>
#include <functional>
#include <optional>
#include <string_view>

#include "settings/QualityLevel.h"

// The quality level this computer is recommended, from the first processor's
// clock speed and two capability bits of the default graphics adapter, with
// the findings written line by line to Recon.dat in the current directory;
// and the presets that each quality level gives to the settings.
//
// The hardware is examined once per process (the first Recommend); every later
// call answers from the remembered probe level. The graphics adapter comes
// from platform::CurrentGraphicsAdapter(): start its preload early
// (platform::StartGraphicsPreload() in main) so the first Recommend waits less.
// Tests install a fake adapter (tests/support/FakeGraphicsAdapter.h) and a
// speed source (SetSpeedSource), and call ForgetProcessState between cases.
class HardwareProbe {
 public:
  // Runs the probe on the first call of the process and writes a "Result:"
  // line on every call.
  static QualityLevel Recommend();

  // Writes the preset of High, Medium or Low, and the level itself, into
  // GameSettings::s_instance; any other level, or no settings, changes
  // nothing. Nothing is saved here.
  static void ApplyPreset(QualityLevel level);

  // Appends "<label><value>" and a line end to Recon.dat, opening the file
  // on the first call of the process. A file that cannot be opened drops
  // this and every later line.
  static void WriteReconLine(std::string_view label, int64_t value);

  // Gives the first processor's speed in MHz, or nullopt when it is unknown.
  using SpeedSource = std::function<std::optional<float>()>;

  // Replaces how the first probe learns the speed (by default: a CpuInfo is
  // built and asked for processor 0). An empty source restores the default.
  // Returns the source installed before.
  static SpeedSource SetSpeedSource(SpeedSource source);

  // Back to the state of a fresh process: probe level 0 and Recon.dat closed
  // (its lines reach the disk) and not yet opened. Only tests call it.
  static void ForgetProcessState();

  // 0 until the first probe of the process, then 1, 2 or 3 (3 is the best).
  static int32_t s_probe_level;
};
