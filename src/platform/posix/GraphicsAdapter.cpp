#include "platform/GraphicsAdapter.h"

#include "platform/posix/VulkanFindings.h"

namespace platform::posix {
namespace {

// The graphics system is examined once per process: its answer does not
// change while the tool runs, and each examination costs tens of
// milliseconds. Between runs its findings are kept while the machine stays
// the same (VulkanFindingsCache).
class VulkanGraphicsAdapter : public GraphicsAdapter {
 public:
  std::optional<uint32_t> QueryDefaultDeviceCaps() override {
    return DevCapsFromFindings(VulkanFindingsForThisProcess());
  }
};

}  // namespace
}  // namespace platform::posix

namespace platform {

GraphicsAdapter& RealGraphicsAdapter() {
  static posix::VulkanGraphicsAdapter real;
  return real;
}

void StartGraphicsPreload() {
  posix::StartVulkanPreload();
}

}  // namespace platform
