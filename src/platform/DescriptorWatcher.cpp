#include "platform/DescriptorWatcher.h"

#include "platform/Seam.h"

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

DescriptorWatcher& NoWatcher() {
  static NoDescriptorWatcher none;
  return none;
}

constinit Seam<DescriptorWatcher> s_seam(&NoWatcher);

}  // namespace

DescriptorWatcher& GetDescriptorWatcher() {
  return s_seam.Get();
}

DescriptorWatcher* SetDescriptorWatcher(DescriptorWatcher* watcher) {
  return s_seam.Set(watcher);
}

}  // namespace platform
