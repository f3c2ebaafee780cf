#pragma once

#include <QDialog>

namespace ui::qt {

class QtDialogWindow;

// The top-level Qt window of one dialog. A QDialog, so that its push buttons
// follow the dialog rule for the default button (the focused push button,
// else the template's default one) and screen readers see a dialog; its own
// modal loop and accept/reject are not used. It hands the window-level keys
// (Enter, Escape), the close box and painting to its QtDialogWindow, and
// watches its controls for the keyboard rules of dialogs: the arrow keys
// move between the push buttons of a group, and tabbing into a read-only
// text selects that text (until the focus leaves it).
class DialogWidget final : public QDialog {
 public:
  DialogWidget(QtDialogWindow& window, Qt::WindowFlags flags);

  // Applies the keyboard rules above to a control's widget.
  void WatchControl(QWidget* control);

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;
  void keyPressEvent(QKeyEvent* event) override;
  void closeEvent(QCloseEvent* event) override;
  void paintEvent(QPaintEvent* event) override;

 private:
  QtDialogWindow& m_window;
};

}  // namespace ui::qt
