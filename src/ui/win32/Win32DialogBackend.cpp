#include "ui/win32/Win32DialogBackend.h"

#include "ui/win32/Win32.h"
#include "ui/win32/Win32DialogWindow.h"

namespace ui::win32 {

Win32DialogBackend::Win32DialogBackend() : m_thread_id(GetCurrentThreadId()) {}

Win32DialogBackend::~Win32DialogBackend() = default;

std::unique_ptr<DialogWindow> Win32DialogBackend::CreateDialogWindow(
    Dialog& dialog, const DialogTemplate& dialog_template, DialogWindow* owner) {
  if (GetCurrentThreadId() != m_thread_id) {
    return nullptr;
  }
  auto window = std::make_unique<Win32DialogWindow>(
      dialog, dialog_template, dynamic_cast<Win32DialogWindow*>(owner), m_icons);
  if (!window->IsCreated()) {
    return nullptr;
  }
  return window;
}

}  // namespace ui::win32
