#pragma once

#include "hardware/FeatureProbes.h"

// Answers for the instruction probes: an x87 unit, RDTSC and ADDPS that run,
// and the unmasked divide faulting, unless a test says otherwise.
struct FakeFeatureProbes final : FeatureProbes {
  bool FpuTestPasses() override { return fpu; }
  bool TimeStampCounterExecutes() override { return rdtsc; }
  bool PackedAddExecutes() override { return addps; }
  bool UnmaskedDivideExecutes() override { return divps; }

  bool fpu = true, rdtsc = true, addps = true, divps = false;
};
