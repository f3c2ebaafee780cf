#include "platform/DescriptorWatcher.h"

#include "platform/Seam.h"

namespace platform {
namespace {

constinit Seam<DescriptorWatcher> s_seam(&RealDescriptorWatcher);

}  // namespace

DescriptorWatcher& GetDescriptorWatcher() {
  return s_seam.Get();
}

DescriptorWatcher* SetDescriptorWatcher(DescriptorWatcher* watcher) {
  return s_seam.Set(watcher);
}

}  // namespace platform
