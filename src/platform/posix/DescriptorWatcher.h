#pragma once

#include <functional>

namespace platform {

// The event loop of the user-interface thread, seen from posix code that must
// react to a descriptor without a thread of its own.
class DescriptorWatcher {
 public:
  virtual ~DescriptorWatcher() = default;

  // Calls `on_readable` on the event loop's thread whenever `descriptor` has
  // something to read, until Unwatch.
  virtual void Watch(int descriptor, std::function<void()> on_readable) = 0;
  virtual void Unwatch(int descriptor) = 0;
};

}  // namespace platform
