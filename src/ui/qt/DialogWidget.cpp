#include "ui/qt/DialogWidget.h"

#include <QCloseEvent>
#include <QKeyEvent>
#include <QPainter>

#include "ui/qt/QtDialogWindow.h"

namespace ui::qt {

DialogWidget::DialogWidget(QtDialogWindow& window, Qt::WindowFlags flags)
    : QWidget(nullptr, flags), m_window(window) {
  // The window itself can hold the focus (moving the focus to the window and back).
  setFocusPolicy(Qt::NoFocus);
}

void DialogWidget::keyPressEvent(QKeyEvent* event) {
  // Keys that no control took: the dialog's own keyboard interface.
  switch (event->key()) {
    case Qt::Key_Escape:
      if (event->modifiers() == Qt::NoModifier) {
        m_window.HandleEscape();
        return;
      }
      break;
    case Qt::Key_Return:
    case Qt::Key_Enter:
      if ((event->modifiers() & ~Qt::KeypadModifier) == Qt::NoModifier) {
        m_window.HandleEnter();
        return;
      }
      break;
    default:
      break;
  }
  QWidget::keyPressEvent(event);
}

void DialogWidget::closeEvent(QCloseEvent* event) {
  // The close box is the Cancel command; the dialog decides whether to end.
  event->ignore();
  m_window.HandleClose();
}

void DialogWidget::paintEvent(QPaintEvent* event) {
  QWidget::paintEvent(event);
  QPainter painter(this);
  m_window.PaintHook(painter);
}

}  // namespace ui::qt
