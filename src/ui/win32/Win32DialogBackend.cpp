#include "ui/win32/Win32DialogBackend.h"

#include "ui/win32/Win32Api.h"
#include "ui/win32/Win32DialogWindow.h"

#include <commctrl.h>

namespace ui::win32 {
namespace {

// The manifest asks for the themed common controls (version 6); they are
// registered for this process here, before the first window that uses them.
void RegisterCommonControls() {
  INITCOMMONCONTROLSEX controls{};
  controls.dwSize = sizeof controls;
  controls.dwICC = ICC_STANDARD_CLASSES | ICC_WIN95_CLASSES;
  ::InitCommonControlsEx(&controls);
}

}  // namespace

Win32DialogBackend::Win32DialogBackend() : m_thread_id(GetCurrentThreadId()) {
  RegisterCommonControls();
}

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
