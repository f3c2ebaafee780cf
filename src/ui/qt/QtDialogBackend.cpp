#include "ui/qt/QtDialogBackend.h"

#include <QCoreApplication>

#include "ui/qt/AccessibleControls.h"
#include "ui/qt/KeyEventRouter.h"
#include "ui/qt/QtDialogWindow.h"
#include "ui/qt/UserInterfaceThread.h"

namespace ui::qt {

QtDialogBackend::QtDialogBackend()
    : m_key_router(std::make_unique<KeyEventRouter>(m_keyboard)) {
  if (QCoreApplication* application = QCoreApplication::instance()) {
    application->installEventFilter(m_key_router.get());
  }
  InstallAccessibleControls();
}

QtDialogBackend::~QtDialogBackend() {
  RemoveAccessibleControls();
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
