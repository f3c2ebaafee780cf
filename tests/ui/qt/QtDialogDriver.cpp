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
  using K = test::UserKey;
  const std::pair<K, Qt::Key> keys[] = {{K::kReturn, Qt::Key_Return},
                                        {K::kEscape, Qt::Key_Escape},
                                        {K::kF1, Qt::Key_F1},
                                        {K::kDown, Qt::Key_Down},
                                        {K::kOpenList, Qt::Key_F4}};
  for (const auto& [key, qt_key] : keys) {
    if (static_cast<unsigned>(key) == virtual_key) return qt_key;
  }
  return static_cast<Qt::Key>(virtual_key);
}

QMessageBox* OpenBox(std::string_view title) {
  for (QWidget* window : QApplication::topLevelWidgets()) {
    auto* box = qobject_cast<QMessageBox*>(window);
    if (box != nullptr && box->isVisible() &&
        box->windowTitle() ==
            QString::fromUtf8(title.data(), static_cast<qsizetype>(title.size()))) {
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
    const QRect place = control_id == ui::kWindowId ? WidgetOf(dialog)->rect()
                                                    : ControlOf(dialog, control_id)->geometry();
    return {place.x(), place.y(), place.width(), place.height()};
  }
  bool IsListOpen(const Dialog& dialog, int control_id) const override {
    return qobject_cast<QComboBox*>(ControlOf(dialog, control_id))->view()->isVisible();
  }
  bool IsOwnedBy(const Dialog& child, const Dialog& owner) const override {
    return WidgetOf(child)->windowHandle()->transientParent() == WidgetOf(owner)->windowHandle();
  }
  bool AnswerBox(std::string_view title, int button_id, const Dialog& owner) override {
    using M = QMessageBox;
    const M::StandardButton standard = button_id == platform::kIdYes      ? M::Yes
                                       : button_id == platform::kIdNo     ? M::No
                                       : button_id == platform::kIdCancel ? M::Cancel
                                                                          : M::Ok;
    QMessageBox* box = OpenBox(title);
    if (box == nullptr || box->button(standard) == nullptr) return false;
    const bool owned = box->parentWidget() == WidgetOf(owner);
    qttest::UserClick(box->button(standard));
    return owned;
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
