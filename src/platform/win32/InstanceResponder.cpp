#include "platform/InstanceResponder.h"

namespace platform {
namespace {

// A later start finds the window with FindWindowA and posts it the focus
// message itself, so the running process is never asked.
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
