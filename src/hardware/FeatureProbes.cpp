#include "hardware/FeatureProbes.h"

#include <cstdint>

#include "hardware/CpuIdentity.h"
#include "platform/CpuProbe.h"

namespace {

class InstructionProbes : public FeatureProbes {
 public:
  bool FpuTestPasses() override {
    uint16_t status_word = 0;
    uint16_t control_word = 0;
    return platform::ProbeFpu(status_word, control_word) && FpuPresent(status_word, control_word);
  }

  bool TimeStampCounterExecutes() override {
    uint64_t value = 0;
    return platform::ProbeTimeStampCounter(value);
  }

  bool PackedAddExecutes() override { return platform::ProbePackedAdd(); }

  bool UnmaskedDivideExecutes() override { return platform::ProbeUnmaskedDivide(); }
};

}  // namespace

FeatureProbes& FeatureProbes::Real() {
  static InstructionProbes probes;
  return probes;
}
