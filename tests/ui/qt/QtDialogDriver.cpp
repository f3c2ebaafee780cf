// The Qt backend's driver of the dialog tests that every backend must pass.

#include "support/DialogDriver.h"

#include <QAbstractItemView>
#include <QComboBox>
#include <QMessageBox>
#include <QPushButton>
#include <QTimer>

#include "QtTestSupport.h"
#include "platform/MessageBox.h"

namespace {

using qttest::ControlOf;

QWidget* WidgetOf(const Dialog& dialog) {
  return qttest::QtWindowOf(dialog).Widget();
}

// Letters and digits have their virtual-key codes as Qt keys.
Qt::Key QtKeyOf(unsigned virtual_key) {
  switch (static_cast<test::UserKey>(virtual_key)) {
    case test::UserKey::kReturn:
      return Qt::Key_Return;
    case test::UserKey::kEscape:
      return Qt::Key_Escape;
    case test::UserKey::kF1:
      return Qt::Key_F1;
    case test::UserKey::kDown:
      return Qt::Key_Down;
    case test::UserKey::kOpenList:
      return Qt::Key_F4;
  }
  return static_cast<Qt::Key>(virtual_key);
}

QMessageBox* OpenBox(std::string_view title) {
  for (QWidget* window : QApplication::topLevelWidgets()) {
    auto* box = qobject_cast<QMessageBox*>(window);
    if (box != nullptr && box->isVisible() &&
        box->windowTitle() == QString::fromUtf8(title.data(), static_cast<qsizetype>(title.size()))) {
      return box;
    }
  }
  return nullptr;
}

class QtDialogDriver final : public test::DialogDriver {
 public:
  void Click(const Dialog& dialog, int control_id) override {
    qttest::UserClick(ControlOf(dialog, control_id));
  }
  // To the window with the focus, as the user's keys go; to `dialog`'s
  // before any window has it.
  void SendKey(const Dialog& dialog, unsigned virtual_key, test::KeyAction action) override {
    QWindow* window = QGuiApplication::focusWindow();
    if (window == nullptr) window = WidgetOf(dialog)->windowHandle();
    if (action == test::KeyAction::kPress) {
      QTest::keyPress(window, QtKeyOf(virtual_key));
    } else {
      QTest::keyRelease(window, QtKeyOf(virtual_key));
    }
  }
  void TakeKeyboard(const Dialog& dialog) override {
    WidgetOf(dialog)->activateWindow();
    QCoreApplication::processEvents();
  }
  void CloseBox(const Dialog& dialog) override { WidgetOf(dialog)->close(); }
  test::PixelRect PlaceOf(const Dialog& dialog, int control_id) const override {
    QWidget* window = WidgetOf(dialog);
    if (control_id == ui::kWindowId) return {0, 0, window->width(), window->height()};
    const QWidget* control = ControlOf(dialog, control_id);
    const QPoint at = control->mapTo(window, QPoint(0, 0));
    return {at.x(), at.y(), control->width(), control->height()};
  }
  bool IsListOpen(const Dialog& dialog, int control_id) const override {
    return qobject_cast<QComboBox*>(ControlOf(dialog, control_id))->view()->isVisible();
  }
  bool IsOwnedBy(const Dialog& child, const Dialog& owner) const override {
    return WidgetOf(child)->windowHandle()->transientParent() == WidgetOf(owner)->windowHandle();
  }
  bool IsBoxOwnedBy(std::string_view title, const Dialog& owner) const override {
    const QMessageBox* box = OpenBox(title);
    return box != nullptr && box->parentWidget() == WidgetOf(owner);
  }
  bool AnswerBox(std::string_view title, int button_id) override {
    const std::pair<int, QMessageBox::StandardButton> buttons[] = {
        {platform::kIdOk, QMessageBox::Ok},
        {platform::kIdCancel, QMessageBox::Cancel},
        {platform::kIdYes, QMessageBox::Yes},
        {platform::kIdNo, QMessageBox::No},
    };
    QMessageBox* box = OpenBox(title);
    for (const auto& [id, standard] : buttons) {
      if (box != nullptr && id == button_id && box->button(standard) != nullptr) {
        qttest::UserClick(box->button(standard));
        return true;
      }
    }
    return false;
  }

 private:
  struct ApplicationFirst {
    ApplicationFirst() { qttest::EnsureApplication(); }
  } m_application;
  ui::qt::QtDialogBackend m_backend;
};

}  // namespace

std::unique_ptr<test::DialogDriver> test::MakeDialogDriver() {
  return std::make_unique<QtDialogDriver>();
}

void test::WhenLoopRuns(std::function<void()> action, unsigned delay_ms) {
  QTimer::singleShot(static_cast<int>(delay_ms), QApplication::instance(), std::move(action));
}
