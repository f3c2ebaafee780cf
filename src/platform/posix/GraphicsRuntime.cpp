#include "platform/GraphicsRuntime.h"

#include "platform/posix/VulkanFindings.h"

namespace platform {
namespace {

class VulkanGraphicsRuntime : public GraphicsRuntime {
 public:
  std::optional<RuntimeVersion> QueryVersion() override {
    return RuntimeVersionFromFindings(VulkanFindingsForThisProcess());
  }
};

}  // namespace

GraphicsRuntime& RealGraphicsRuntime() {
  static VulkanGraphicsRuntime real;
  return real;
}

}  // namespace platform
