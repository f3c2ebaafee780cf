#include "ui/qt/QtDialogBackend.h"

#include <cstdio>

#include <QApplication>
#include <QThread>

#include "platform/KeyboardState.h"
#include "ui/qt/KeyEventRouter.h"
#include "ui/qt/QtDialogWindow.h"
#include "ui/qt/QtMessageBox.h"

namespace ui::qt {
namespace {

bool OnUserInterfaceThread() {
  const QCoreApplication* application = QCoreApplication::instance();
  return application != nullptr && dynamic_cast<const QApplication*>(application) != nullptr &&
         QThread::currentThread() == application->thread();
}

// A box asked for where no Qt window can be shown (another thread, no
// application object) goes to standard error and answers its first button,
// as the platform layer's default does.
int WriteToStandardError(const std::string& text, const std::string& caption, unsigned flags) {
  std::fprintf(stderr, "[%s] %s\n", caption.c_str(), text.c_str());
  return (flags & platform::kMbButtonMask) == platform::kMbYesNo ? platform::kIdYes
                                                                 : platform::kIdOk;
}

}  // namespace

QtDialogBackend::QtDialogBackend()
    : m_key_router(std::make_unique<KeyEventRouter>()),
      m_previous_watcher(platform::SetDescriptorWatcher(&m_watcher)),
      m_previous_responder(platform::SetInstanceResponder(&m_responder)) {
  if (QCoreApplication* application = QCoreApplication::instance()) {
    application->installEventFilter(m_key_router.get());
  }
  m_previous_hook = platform::SetMessageBoxHook(
      [](const std::string& text, const std::string& caption, unsigned flags) {
        if (!OnUserInterfaceThread()) {
          return WriteToStandardError(text, caption, flags);
        }
        return ShowQtMessageBox(QApplication::activeModalWidget(), text, caption, flags);
      });
}

QtDialogBackend::~QtDialogBackend() {
  platform::SetInstanceResponder(m_previous_responder);
  platform::SetDescriptorWatcher(m_previous_watcher);
  platform::SetMessageBoxHook(std::move(m_previous_hook));
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

int QtDialogBackend::ShowMessageBox(DialogWindow* owner, std::string_view text,
                                    std::string_view caption, unsigned flags) {
  if (!OnUserInterfaceThread()) {
    return WriteToStandardError(std::string(text), std::string(caption), flags);
  }
  auto* qt_owner = dynamic_cast<QtDialogWindow*>(owner);
  // The owner takes no input while its box is up, as with a child window.
  if (qt_owner != nullptr) {
    qt_owner->BlockForOwnedWindow();
  }
  const int result =
      ShowQtMessageBox(qt_owner != nullptr ? qt_owner->Widget() : nullptr, text, caption, flags);
  if (qt_owner != nullptr) {
    qt_owner->UnblockAfterOwnedWindow();
  }
  return result;
}

KeyboardState QtDialogBackend::GetKeyboardState() const {
  platform::KeyboardStateBytes state{};
  platform::GetKeyboardState(state);
  return state;
}

}  // namespace ui::qt
