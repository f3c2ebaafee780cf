#include "platform/InstanceResponder.h"

namespace platform {
namespace {

// A process shows windows only through its UI backend, which installs a
// responder of its own.
class NoWindowResponder final : public InstanceResponder {
 public:
  bool HasTopLevelWindow(const std::string&) override { return false; }
  void TakeFocus(const std::string&) override {}
};

}  // namespace

InstanceResponder& RealInstanceResponder() {
  static NoWindowResponder real;
  return real;
}

}  // namespace platform
