#include "platform/GraphicsAdapter.h"

#include <atomic>

#include "platform/posix/VulkanFindings.h"

namespace platform {
namespace {

// The graphics system is examined once per process: its answer does not
// change while the tool runs, and each examination costs tens of milliseconds.
class VulkanGraphicsAdapter : public GraphicsAdapter {
 public:
  std::optional<uint32_t> QueryDefaultDeviceCaps() override {
    return DevCapsFromFindings(ProcessVulkanFindings());
  }
};

std::atomic<GraphicsAdapter*> s_installed{nullptr};

}  // namespace

GraphicsAdapter& CurrentGraphicsAdapter() {
  static VulkanGraphicsAdapter real;
  GraphicsAdapter* installed = s_installed.load();
  return installed != nullptr ? *installed : real;
}

GraphicsAdapter* InstallGraphicsAdapter(GraphicsAdapter* adapter) {
  return s_installed.exchange(adapter);
}

void StartGraphicsPreload() {
  StartVulkanPreload();
}

}  // namespace platform
