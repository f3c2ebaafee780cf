#include "platform/GraphicsRuntime.h"

#include <atomic>

#include "platform/posix/VulkanFindings.h"

namespace platform {
namespace {

class VulkanGraphicsRuntime : public GraphicsRuntime {
 public:
  std::optional<RuntimeVersion> QueryVersion() override {
    return RuntimeVersionFromFindings(ProcessVulkanFindings());
  }
};

std::atomic<GraphicsRuntime*> s_installed{nullptr};

}  // namespace

GraphicsRuntime& CurrentGraphicsRuntime() {
  static VulkanGraphicsRuntime real;
  GraphicsRuntime* installed = s_installed.load();
  return installed != nullptr ? *installed : real;
}

GraphicsRuntime* InstallGraphicsRuntime(GraphicsRuntime* runtime) {
  return s_installed.exchange(runtime);
}

}  // namespace platform
