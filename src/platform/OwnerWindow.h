#pragma once

namespace platform {

// A window that can own a message box or read a device. Only the UI backend
// that made it knows what it is; the layers in between pass it on. The
// dialog framework's windows are ones.
class OwnerWindow {
 public:
  virtual ~OwnerWindow() = default;

  // The system's handle of the window (an HWND on Windows), for the platform
  // backend of the same system to use; null where the UI backend has none to
  // give.
  virtual void* NativeHandle() const { return nullptr; }
};

}  // namespace platform
