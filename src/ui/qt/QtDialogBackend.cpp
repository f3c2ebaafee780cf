#include "ui/qt/QtDialogBackend.h"

#include <QCoreApplication>

#include "ui/qt/AccessibleControls.h"
#include "ui/qt/KeyEventRouter.h"
#include "ui/qt/QtDialogWindow.h"
#include "ui/qt/UserInterfaceThread.h"

namespace ui::qt {

QtDialogBackend::QtDialogBackend()
    : m_key_router(std::make_unique<KeyEventRouter>(m_keyboard)),
      m_previous_backend(SetDialogBackend(this)),
      m_previous_keyboard(platform::SetKeyboardState(&m_keyboard)),
      m_previous_message_box(platform::SetMessageBox(&m_message_box)),
      m_previous_watcher(platform::SetDescriptorWatcher(&m_watcher)),
      m_previous_responder(platform::SetInstanceResponder(&m_responder)) {
  if (QCoreApplication* application = QCoreApplication::instance()) {
    application->installEventFilter(m_key_router.get());
  }
  InstallAccessibleControls();
}

QtDialogBackend::~QtDialogBackend() {
  RemoveAccessibleControls();
  platform::SetInstanceResponder(m_previous_responder);
  platform::SetDescriptorWatcher(m_previous_watcher);
  platform::SetMessageBox(m_previous_message_box);
  platform::SetKeyboardState(m_previous_keyboard);
  SetDialogBackend(m_previous_backend);
  if (QCoreApplication* application = QCoreApplication::instance()) {
    application->removeEventFilter(m_key_router.get());
  }
}

std::unique_ptr<DialogWindow> QtDialogBackend::CreateDialogWindow(
    Dialog& dialog, const DialogTemplate& dialog_template, DialogWindow* owner) {
  if (!OnUserInterfaceThread()) {
    return nullptr;
  }
  return std::make_unique<QtDialogWindow>(dialog, dialog_template,
                                          dynamic_cast<QtDialogWindow*>(owner));
}

}  // namespace ui::qt
