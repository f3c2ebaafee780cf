#include "platform/GraphicsRuntime.h"

#include "platform/posix/VulkanFindings.h"

namespace platform::posix {
namespace {

class VulkanGraphicsRuntime : public GraphicsRuntime {
 public:
  std::optional<RuntimeVersion> QueryVersion() override {
    return RuntimeVersionFromFindings(VulkanFindingsForThisProcess());
  }
};

}  // namespace
}  // namespace platform::posix

namespace platform {

GraphicsRuntime& RealGraphicsRuntime() {
  static posix::VulkanGraphicsRuntime real;
  return real;
}

}  // namespace platform
