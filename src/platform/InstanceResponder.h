#pragma once

#include <string>

namespace platform {

// What a running instance is asked by a later start of the same program,
// answered by the UI backend, which installs its responder; without one, on
// any system, the process knows of no window. Called on the user-interface
// thread.
class InstanceResponder {
 public:
  virtual ~InstanceResponder() = default;

  // True when this process shows a top-level window titled exactly `title`.
  virtual bool HasTopLevelWindow(const std::string& title) = 0;
  // Brings the window titled `title` forward and gives it the focus.
  virtual void TakeFocus(const std::string& title) = 0;
};

// The installed responder, else one that knows of no window.
InstanceResponder& GetInstanceResponder();
// Installs `responder` (not owned; null restores the default) and returns
// the one installed before (null when that was the default).
InstanceResponder* SetInstanceResponder(InstanceResponder* responder);

}  // namespace platform
