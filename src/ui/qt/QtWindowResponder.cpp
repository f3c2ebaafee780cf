#include "ui/qt/QtWindowResponder.h"

#include <QApplication>
#include <QWidget>
#include <qguiapplication_platform.h>
#include <xcb/xcb.h>

namespace ui::qt {

bool QtWindowResponder::HasTopLevelWindow(const std::string& title) {
  return Find(title) != nullptr;
}

void QtWindowResponder::TakeFocus(const std::string& title) {
  QWidget* window = Find(title);
  if (window == nullptr) {
    return;
  }
  window->setWindowState(window->windowState() & ~Qt::WindowMinimized);
  window->raise();
  window->activateWindow();
  // On X11 the toolkit asks for the focus with the time of the last event it
  // saw, which the server refuses when the focus moved since then (always, for
  // a request that comes from another process). The player has just started
  // the tool again, so the request is theirs: ask with the server's current
  // time.
  if (auto* x11 = qApp->nativeInterface<QNativeInterface::QX11Application>()) {
    xcb_set_input_focus(x11->connection(), XCB_INPUT_FOCUS_PARENT,
                        static_cast<xcb_window_t>(window->winId()), XCB_CURRENT_TIME);
    xcb_flush(x11->connection());
  }
}

QWidget* QtWindowResponder::Find(const std::string& title) {
  const QString wanted = QString::fromStdString(title);
  for (QWidget* widget : QApplication::topLevelWidgets()) {
    if (widget->isVisible() && widget->windowTitle() == wanted) {
      return widget;
    }
  }
  return nullptr;
}

}  // namespace ui::qt
