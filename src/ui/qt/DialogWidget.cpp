#include "ui/qt/DialogWidget.h"

#include <QCloseEvent>
#include <QKeyEvent>
#include <QPainter>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTextCursor>

#include "ui/DialogNavigation.h"
#include "ui/qt/QtDialogWindow.h"

namespace ui::qt {
namespace {

// Selects the whole text with the caret at its start, so that the text is
// marked as the dialog manager marks it and the view stays at the top.
void SelectAllFromTheTop(QPlainTextEdit& edit) {
  QTextCursor cursor = edit.textCursor();
  cursor.movePosition(QTextCursor::End);
  cursor.movePosition(QTextCursor::Start, QTextCursor::KeepAnchor);
  edit.setTextCursor(cursor);
}

}  // namespace

DialogWidget::DialogWidget(QtDialogWindow& window, Qt::WindowFlags flags)
    : QDialog(nullptr, flags), m_window(window) {
  // The window itself can hold the focus (moving the focus to the window and back).
  setFocusPolicy(Qt::NoFocus);
}

void DialogWidget::WatchControl(QWidget* control) {
  control->installEventFilter(this);
}

bool DialogWidget::eventFilter(QObject* watched, QEvent* event) {
  if (event->type() == QEvent::KeyPress && qobject_cast<QPushButton*>(watched) != nullptr) {
    const auto* key = static_cast<QKeyEvent*>(event);
    if ((key->modifiers() & ~Qt::KeypadModifier) != Qt::NoModifier) {
      return false;
    }
    switch (key->key()) {
      case Qt::Key_Left:
      case Qt::Key_Up:
        m_window.MoveFocusInGroup(NavigationDirection::kBackward);
        return true;
      case Qt::Key_Right:
      case Qt::Key_Down:
        m_window.MoveFocusInGroup(NavigationDirection::kForward);
        return true;
      default:
        return false;
    }
  }
  auto* edit = qobject_cast<QPlainTextEdit*>(watched);
  const bool focus_in = event->type() == QEvent::FocusIn;
  if (edit == nullptr || !edit->isReadOnly() || (!focus_in && event->type() != QEvent::FocusOut)) {
    return false;
  }
  const Qt::FocusReason reason = static_cast<QFocusEvent*>(event)->reason();
  if (focus_in && (reason == Qt::TabFocusReason || reason == Qt::BacktabFocusReason)) {
    SelectAllFromTheTop(*edit);
  } else if (!focus_in && reason != Qt::PopupFocusReason && reason != Qt::ActiveWindowFocusReason) {
    // A selection stays drawn without the focus and would look like it.
    QTextCursor cursor = edit->textCursor();
    cursor.clearSelection();
    edit->setTextCursor(cursor);
  }
  return false;
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
  // Not QDialog's: its Escape and Enter would end a loop this window does not run.
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
