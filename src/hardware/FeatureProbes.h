#pragma once

// The instruction probes that the feature word needs, run on the calling
// thread. The real ones execute the instructions; tests answer for them.
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

  // The probes that run the real instructions.
  static FeatureProbes& Real();
};
