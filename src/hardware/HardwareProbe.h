#pragma once

#include <cstdint>
#include <string_view>

#include "settings/QualityLevel.h"

// The quality level this computer is recommended, from the first processor's
// clock speed and two capability bits of the default graphics adapter, with
// the findings written line by line to Recon.dat in the current directory;
// and the presets that each quality level gives to the settings.
//
// The hardware is examined once per process (the first Recommend); every later
// call answers from the remembered probe level. The speed comes from
// GetSpeedSource(), the graphics adapter from platform::GetGraphicsAdapter():
// main starts both early (platform::StartGraphicsPreload() and a SpeedPreload)
// so the first Recommend waits less. Tests install a fake adapter and speed source
// (tests/support/FakeGraphicsAdapter.h, FakeSpeedSource.h) and call
// ForgetProcessState between cases.
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

  // Back to the state of a fresh process: probe level 0 and Recon.dat closed
  // (its lines reach the disk) and not yet opened. Only tests call it.
  static void ForgetProcessState();

  // 0 until the first probe of the process, then 1, 2 or 3 (3 is the best).
  static int32_t s_probe_level;
};
