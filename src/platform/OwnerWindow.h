#pragma once

namespace platform {

// A window that can own a message box. Only the UI backend that made it
// knows what it is; the layers in between pass it on. The dialog
// framework's windows are ones.
class OwnerWindow {
 public:
  virtual ~OwnerWindow() = default;
};

}  // namespace platform
