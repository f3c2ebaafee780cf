#pragma once

#include <gtest/gtest.h>

#include <QApplication>
#include <QTest>
#include <QTimer>
#include <QWindow>

#include "support/HookedDialog.h"
#include "support/SampleResources.h"
#include "ui/qt/QtDialogBackend.h"
#include "ui/qt/QtDialogWindow.h"

namespace qttest {

using namespace ::test;  // the sample's ids

// The application object every test of the Qt backend runs in, made once and
// kept until the process ends, as in the program.
inline void EnsureApplication() {
  static int argc = 1;
  static char name[] = "test_ui_qt";
  static char* argv[] = {name, nullptr};
  if (QApplication::instance() == nullptr) new QApplication(argc, argv);
}

// Runs `action` once the current (innermost) modal loop processes events.
inline void Later(std::function<void()> action, int delay_ms = 0) {
  QTimer::singleShot(delay_ms, QApplication::instance(), std::move(action));
}

// Clicks a widget the way the user does, through its window, so that a
// window blocked by a modal one does not get the click.
inline void UserClick(QWidget* widget) {
  QWidget* top = widget->window();
  QTest::mouseClick(top->windowHandle(), Qt::LeftButton, Qt::NoModifier,
                    widget->mapTo(top, widget->rect().center()));
}

// The sample dialogs with access to their widgets.
class TestDialog : public test::HookedDialog<TestDialog> {
 public:
  using HookedDialog::HookedDialog;

  ui::qt::QtDialogWindow& QtWindow() const {
    return *dynamic_cast<ui::qt::QtDialogWindow*>(GetWindow());
  }
  QWidget* Control(int control_id) const { return QtWindow().ControlWidget(control_id); }
  QWindow* Handle() const { return QtWindow().Widget()->windowHandle(); }
};

// The application (made before the backend, which needs it), the resources
// and a Qt backend.
class BackendTest : public testing::Test {
 protected:
  struct ApplicationFirst {
    ApplicationFirst() { EnsureApplication(); }
  } m_application;
  test::SampleResources m_resources;
  ui::qt::QtDialogBackend m_backend;
};

}  // namespace qttest
