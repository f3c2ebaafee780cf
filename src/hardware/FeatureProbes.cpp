#include "hardware/FeatureProbes.h"

#include <cstdint>

#include "hardware/CpuIdentity.h"
#include "platform/CpuProbe.h"

namespace {

class InstructionProbes : public FeatureProbes {
 public:
  bool FpuTestPasses() override {
    const std::optional<platform::FpuWords> words = platform::ProbeFpu();
    return words && FpuPresent(words->status_word, words->control_word);
  }

  bool TimeStampCounterExecutes() override { return platform::ProbeTimeStampCounter().has_value(); }

  bool PackedAddExecutes() override { return platform::ProbePackedAdd(); }

  bool UnmaskedDivideExecutes() override { return platform::ProbeUnmaskedDivide(); }
};

}  // namespace

FeatureProbes& FeatureProbes::Real() {
  static InstructionProbes probes;
  return probes;
}
