#pragma once

#include <memory>

#include "platform/MessageBox.h"
#include "ui/DialogBackend.h"
#include "ui/qt/QtDescriptorWatcher.h"
#include "ui/qt/QtWindowResponder.h"

namespace ui::qt {

class KeyEventRouter;

// The dialog framework on Qt 6 Widgets.
//
// main.cpp installs it after creating the application object and before
// running any window:
//
//   QApplication application(argc, argv);
//   ui::qt::QtDialogBackend backend;   // now DialogBackend::s_instance
//   ... ConfigApp runs its windows (Dialog::DoModal) ...
//
// The backend must not outlive the QApplication. While it exists it also
// shows the platform layer's message boxes (the engine's hard errors) as Qt
// message boxes, keeps the keyboard state (platform::GetKeyboardState) from
// the key events the application receives, and serves the single-instance
// channel: Qt's event loop watches its descriptors and this process's
// windows answer later starts (platform::SetDescriptorWatcher,
// SetInstanceResponder). Destroying it restores what was installed before.
class QtDialogBackend final : public DialogBackend {
 public:
  QtDialogBackend();
  ~QtDialogBackend() override;

  std::unique_ptr<DialogWindow> CreateDialogWindow(Dialog& dialog,
                                                   const DialogTemplate& dialog_template,
                                                   DialogWindow* owner) override;
  int ShowMessageBox(DialogWindow* owner, std::string_view text, std::string_view caption,
                     unsigned flags) override;
  KeyboardState GetKeyboardState() const override;

 private:
  std::unique_ptr<KeyEventRouter> m_key_router;
  platform::MessageBoxHook m_previous_hook;
  QtDescriptorWatcher m_watcher;
  QtWindowResponder m_responder;
  platform::DescriptorWatcher* m_previous_watcher;
  platform::InstanceResponder* m_previous_responder;
};

}  // namespace ui::qt
