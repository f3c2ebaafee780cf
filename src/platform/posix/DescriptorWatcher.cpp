#include "platform/DescriptorWatcher.h"

namespace platform {
namespace {

// Without an event loop there is nobody to call back: a single-instance name
// taken then never answers, and later starts take it for a holder without
// its window.
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
