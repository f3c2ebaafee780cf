#pragma once

// The instruction probes that the feature word needs, run on the calling
// thread. The real ones execute the instructions; tests answer for them.
//
// A seam of the hardware layer rather than of the platform: the real probes
// read the platform's instruction probes (platform/CpuProbe.h) and decode
// what they return (the FPU test's words), which the platform layer cannot.
// It is reached the same way as a platform seam.
class FeatureProbes {
 public:
  virtual ~FeatureProbes() = default;

  virtual bool FpuTestPasses() = 0;
  // One RDTSC executes without a fault.
  virtual bool TimeStampCounterExecutes() = 0;
  // One ADDPS executes without a fault.
  virtual bool PackedAddExecutes() = 0;
  // DIVPS by zero with the divide-by-zero exception unmasked raises no fault.
  virtual bool UnmaskedDivideExecutes() = 0;
};

// The installed probes, else the real ones.
FeatureProbes& GetFeatureProbes();
// Installs `probes` (not owned; null restores the real ones) and returns the
// ones installed before (null when those were the real ones).
FeatureProbes* SetFeatureProbes(FeatureProbes* probes);
// The probes that run the real instructions.
FeatureProbes& RealFeatureProbes();
