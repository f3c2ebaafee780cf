#pragma once

#include <QWidget>

namespace ui::qt {

class QtDialogWindow;

// The top-level Qt window of one dialog. It hands the window-level keys
// (Enter, Escape), the close box and painting to its QtDialogWindow.
class DialogWidget final : public QWidget {
 public:
  DialogWidget(QtDialogWindow& window, Qt::WindowFlags flags);

 protected:
  void keyPressEvent(QKeyEvent* event) override;
  void closeEvent(QCloseEvent* event) override;
  void paintEvent(QPaintEvent* event) override;

 private:
  QtDialogWindow& m_window;
};

}  // namespace ui::qt
