#pragma once

#include <memory>

#include "platform/Installed.h"
#include "ui/DialogBackend.h"
#include "ui/win32/IconHandles.h"
#include "ui/win32/Win32MessageBox.h"

namespace ui::win32 {

// The dialog framework on the system's own dialog boxes.
//
// The Windows entry point installs it on the thread that runs the windows,
// before running any:
//
//   ui::win32::Win32DialogBackend backend;   // now ui::GetDialogBackend()
//   ... ConfigApp runs its windows (Dialog::DoModal) ...
//
// While it exists it also provides, through the platform seam, message boxes
// owned by the dialog windows (the engine's hard errors too), and puts the
// previous ones back when it is destroyed. It installs no keyboard state and
// no single-instance responder: the platform's real ones are already the
// system's (GetKeyboardState of this thread, and a later start that finds
// the window by its title and posts it the focus message, which the modal
// loops answer). Windows are built on its thread only.
class Win32DialogBackend final : public DialogBackend {
 public:
  Win32DialogBackend();
  ~Win32DialogBackend() override;

  std::unique_ptr<DialogWindow> CreateDialogWindow(Dialog& dialog,
                                                   const DialogTemplate& dialog_template,
                                                   DialogWindow* owner) override;

 private:
  unsigned long m_thread_id;
  IconHandles m_icons;
  Win32MessageBox m_message_box;
  // After the pieces they install, so that they are put back first.
  platform::Installed<DialogBackend> m_installed_backend{*this, &SetDialogBackend};
  platform::Installed<platform::MessageBox> m_installed_message_box{m_message_box,
                                                                    &platform::SetMessageBox};
};

}  // namespace ui::win32
