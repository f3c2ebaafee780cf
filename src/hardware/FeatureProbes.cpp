#include "hardware/FeatureProbes.h"

#include <cstdint>
#include <optional>

#include "hardware/CpuIdentity.h"
#include "platform/CpuProbe.h"
#include "platform/Seam.h"

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

constinit platform::Seam<FeatureProbes> s_seam(&RealFeatureProbes);

}  // namespace

FeatureProbes& GetFeatureProbes() {
  return s_seam.Get();
}

FeatureProbes* SetFeatureProbes(FeatureProbes* probes) {
  return s_seam.Set(probes);
}

FeatureProbes& RealFeatureProbes() {
  static InstructionProbes probes;
  return probes;
}
