#include "platform/MessageBox.h"

#include <string>

#include "platform/win32/Win32Support.h"

// <windows.h> maps MessageBox to MessageBoxA, which would rename the class.
#undef MessageBox

namespace platform::win32 {
namespace {

// The system's message box. The owner window is the UI backend's own
// object, which only it can turn into a window handle, so this one is owned
// by the thread's active window; the backend installs a box of its own.
class SystemMessageBox final : public MessageBox {
 public:
  int Show(OwnerWindow*, std::string_view text, std::string_view caption, unsigned flags) override {
    const std::string text_z(text);
    const std::string caption_z(caption);
    return ::MessageBoxA(::GetActiveWindow(), text_z.c_str(), caption_z.c_str(), flags);
  }
};

}  // namespace
}  // namespace platform::win32

namespace platform {

MessageBox& RealMessageBox() {
  static win32::SystemMessageBox real;
  return real;
}

}  // namespace platform
