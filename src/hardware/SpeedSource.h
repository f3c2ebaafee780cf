#pragma once

#include <optional>

// Where the quality probe learns the first processor's clock speed. The real
// source builds a CpuInfo and asks it for processor 0; tests give a speed.
//
// A seam of the hardware layer rather than of the platform: the real source
// is CpuInfo, which sits above the platform. It is reached the same way as a
// platform seam.
class SpeedSource {
 public:
  virtual ~SpeedSource() = default;

  // The first processor's speed in MHz; nullopt when it is unknown.
  virtual std::optional<float> FirstProcessorSpeed() = 0;
};

// The installed source, else the real one.
SpeedSource& GetSpeedSource();
// Installs `source` (not owned; null restores the real one) and returns the
// one installed before (null when that was the real one).
SpeedSource* SetSpeedSource(SpeedSource* source);
// The source that measures this machine's processor.
SpeedSource& RealSpeedSource();
