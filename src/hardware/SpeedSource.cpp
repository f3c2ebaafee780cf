#include "hardware/SpeedSource.h"

#include "hardware/CpuInfo.h"
#include "platform/Seam.h"

namespace {

class MeasuredSpeed final : public SpeedSource {
 public:
  std::optional<float> FirstProcessorSpeed() override {
    return CpuInfo().GetSpeed(0);
  }
};

constinit platform::Seam<SpeedSource> s_seam(&RealSpeedSource);

}  // namespace

SpeedSource& GetSpeedSource() {
  return s_seam.Get();
}

SpeedSource* SetSpeedSource(SpeedSource* source) {
  return s_seam.Set(source);
}

SpeedSource& RealSpeedSource() {
  static MeasuredSpeed real;
  return real;
}
