#include "platform/InstanceResponder.h"

#include "platform/Seam.h"

namespace platform {
namespace {

// A process shows windows only through its UI backend, which installs a
// responder of its own where later starts ask the running process.
class NoWindowResponder final : public InstanceResponder {
 public:
  bool HasTopLevelWindow(const std::string&) override { return false; }
  void TakeFocus(const std::string&) override {}
};

InstanceResponder& NoResponder() {
  static NoWindowResponder none;
  return none;
}

constinit Seam<InstanceResponder> s_seam(&NoResponder);

}  // namespace

InstanceResponder& GetInstanceResponder() {
  return s_seam.Get();
}

InstanceResponder* SetInstanceResponder(InstanceResponder* responder) {
  return s_seam.Set(responder);
}

}  // namespace platform
