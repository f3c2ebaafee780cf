#pragma once

#include <functional>

namespace platform {

// The event loop of the user-interface thread, for platform code that must
// react to a system descriptor (a socket, a pipe) without a thread of its
// own. The UI backend installs its loop; without one, on any system,
// nothing is watched.
class DescriptorWatcher {
 public:
  virtual ~DescriptorWatcher() = default;

  // Calls `on_readable` on the event loop's thread whenever `descriptor` has
  // something to read, until Unwatch.
  virtual void Watch(int descriptor, std::function<void()> on_readable) = 0;
  virtual void Unwatch(int descriptor) = 0;
};

// The installed watcher, else one that watches nothing.
DescriptorWatcher& GetDescriptorWatcher();
// Installs `watcher` (not owned; null restores the default) and returns the
// one installed before (null when that was the default).
DescriptorWatcher* SetDescriptorWatcher(DescriptorWatcher* watcher);

}  // namespace platform
