#include "platform/DescriptorWatcher.h"

namespace platform {
namespace {

// Nothing of the Windows backend waits on descriptors: its single-instance
// guard is an atom and a window lookup, answered by the system.
class NoDescriptorWatcher final : public DescriptorWatcher {
 public:
  void Watch(int, std::function<void()>) override {}
  void Unwatch(int) override {}
};

}  // namespace

DescriptorWatcher& RealDescriptorWatcher() {
  static NoDescriptorWatcher real;
  return real;
}

}  // namespace platform
