#include "ui/win32/Win32MessageBox.h"

#include <string>

#include "ui/win32/Win32Api.h"
#include "ui/win32/Win32DialogWindow.h"

namespace ui::win32 {
namespace {

// What a box that could not be shown answers: its first button.
int FirstButton(unsigned flags) {
  switch (flags & MB_TYPEMASK) {
    case MB_ABORTRETRYIGNORE:
      return IDABORT;
    case MB_YESNO:
    case MB_YESNOCANCEL:
      return IDYES;
    case MB_RETRYCANCEL:
      return IDRETRY;
    default:
      return IDOK;
  }
}

}  // namespace

int Win32MessageBox::Show(platform::OwnerWindow* owner, std::string_view text,
                          std::string_view caption, unsigned flags) {
  auto* window = dynamic_cast<Win32DialogWindow*>(owner);
  if (window == nullptr) {
    window = Win32DialogWindow::Innermost();
  }
  HWND owner_handle = window != nullptr ? window->Handle() : nullptr;
  // Windows of another thread cannot own the box.
  if (owner_handle != nullptr &&
      GetWindowThreadProcessId(owner_handle, nullptr) != GetCurrentThreadId()) {
    owner_handle = nullptr;
  }
  UINT type = flags & (MB_TYPEMASK | MB_ICONMASK);
  if (owner_handle == nullptr) type |= MB_TASKMODAL;
  const int result =
      MessageBoxA(owner_handle, std::string(text).c_str(), std::string(caption).c_str(), type);
  return result != 0 ? result : FirstButton(flags);
}

}  // namespace ui::win32
