#pragma once

#include <memory>

#include "platform/Installed.h"
#include "ui/DialogBackend.h"
#include "ui/KeyboardTracker.h"
#include "ui/qt/QtDescriptorWatcher.h"
#include "ui/qt/QtMessageBox.h"
#include "ui/qt/QtWindowResponder.h"

namespace ui::qt {

class KeyEventRouter;

// The dialog framework on Qt 6 Widgets.
//
// main.cpp installs it after creating the application object and before
// running any window:
//
//   QApplication application(argc, argv);
//   ui::qt::QtDialogBackend backend;   // now ui::GetDialogBackend()
//   ... ConfigApp runs its windows (Dialog::DoModal) ...
//
// The backend must not outlive the QApplication. While it exists it also
// provides what the layers below need of the toolkit, installed through the
// platform seams and put back when it is destroyed (as it installs itself as
// the dialog backend): message boxes as Qt
// message boxes (the engine's hard errors too), the keyboard state kept from
// the key events the application receives, and for the single-instance
// channel Qt's event loop and the answers about this process's windows. It
// also gives its control widgets their roles and names for screen readers.
class QtDialogBackend final : public DialogBackend {
 public:
  QtDialogBackend();
  ~QtDialogBackend() override;

  std::unique_ptr<DialogWindow> CreateDialogWindow(Dialog& dialog,
                                                   const DialogTemplate& dialog_template,
                                                   DialogWindow* owner) override;

 private:
  KeyboardTracker m_keyboard;
  std::unique_ptr<KeyEventRouter> m_key_router;
  QtMessageBox m_message_box;
  QtDescriptorWatcher m_watcher;
  QtWindowResponder m_responder;
  // After the pieces they install, so that they are put back first.
  platform::Installed<DialogBackend> m_installed_backend{*this, &SetDialogBackend};
  platform::Installed<platform::KeyboardState> m_installed_keyboard{m_keyboard,
                                                                    &platform::SetKeyboardState};
  platform::Installed<platform::MessageBox> m_installed_message_box{m_message_box,
                                                                    &platform::SetMessageBox};
  platform::Installed<platform::DescriptorWatcher> m_installed_watcher{
      m_watcher, &platform::SetDescriptorWatcher};
  platform::Installed<platform::InstanceResponder> m_installed_responder{
      m_responder, &platform::SetInstanceResponder};
};

}  // namespace ui::qt
