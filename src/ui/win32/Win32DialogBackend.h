#pragma once

#include <memory>

#include "ui/DialogBackend.h"
#include "ui/win32/IconHandles.h"
#include "ui/win32/Win32KeyboardState.h"
#include "ui/win32/Win32MessageBox.h"
#include "ui/win32/Win32WindowResponder.h"

namespace ui::win32 {

// The dialog framework on the system's own dialog boxes.
//
// The Windows entry point installs it on the thread that runs the windows,
// before running any:
//
//   ui::win32::Win32DialogBackend backend;   // now ui::GetDialogBackend()
//   ... ConfigApp runs its windows (Dialog::DoModal) ...
//
// While it exists it also provides, through the platform seams, the system's
// message boxes (the engine's hard errors too), the system's keyboard state
// and the answers about this thread's windows for the single-instance
// channel; each is put back when it is destroyed. Windows are built on its
// thread only.
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
  Win32KeyboardState m_keyboard;
  Win32WindowResponder m_responder;
  DialogBackend* m_previous_backend;
  platform::MessageBox* m_previous_message_box;
  platform::KeyboardState* m_previous_keyboard;
  platform::InstanceResponder* m_previous_responder;
};

}  // namespace ui::win32
