// The Qt backend's driver of the dialog tests that every backend must pass.

#include "support/DialogDriver.h"

#include <QAbstractItemView>
#include <QComboBox>
#include <QTimer>

#include "QtTestSupport.h"

namespace {

QWidget* WidgetOf(const Dialog& dialog) {
  return dynamic_cast<ui::qt::QtDialogWindow&>(*dialog.GetWindow()).Widget();
}

QWidget* ControlOf(const Dialog& dialog, int control_id) {
  return dynamic_cast<ui::qt::QtDialogWindow&>(*dialog.GetWindow()).ControlWidget(control_id);
}

class QtDialogDriver final : public test::DialogDriver {
 public:
  void Click(const Dialog& dialog, int control_id) override {
    qttest::UserClick(ControlOf(dialog, control_id));
  }
  void Press(const Dialog& dialog, test::UserKey key) override {
    using K = test::UserKey;
    const Qt::Key qt_key = key == K::kReturn   ? Qt::Key_Return
                           : key == K::kEscape ? Qt::Key_Escape
                           : key == K::kF1     ? Qt::Key_F1
                           : key == K::kDown   ? Qt::Key_Down
                                               : Qt::Key_F4;
    QTest::keyClick(WidgetOf(dialog)->windowHandle(), qt_key);
  }
  void CloseBox(const Dialog& dialog) override { WidgetOf(dialog)->close(); }
  bool IsListOpen(const Dialog& dialog, int control_id) const override {
    return qobject_cast<QComboBox*>(ControlOf(dialog, control_id))->view()->isVisible();
  }
  bool IsOwnedBy(const Dialog& child, const Dialog& owner) const override {
    return WidgetOf(child)->windowHandle()->transientParent() == WidgetOf(owner)->windowHandle();
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
