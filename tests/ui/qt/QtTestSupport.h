#pragma once

#include <gtest/gtest.h>

#include <QApplication>
#include <QTest>
#include <QWindow>

#include "support/DialogDriver.h"
#include "support/HookedDialog.h"
#include "support/SampleResources.h"
#include "ui/qt/QtDialogBackend.h"
#include "ui/qt/QtDialogWindow.h"

namespace qttest {

using namespace ::test;  // the sample's ids
using BackendTest = SampleDialogTest;  // the driver makes the application first

// The application object every test of the Qt backend runs in, made once and
// kept until the process ends, as in the program.
inline void EnsureApplication() {
  static int argc = 1;
  static char name[] = "test_ui_qt";
  static char* argv[] = {name, nullptr};
  if (QApplication::instance() == nullptr) new QApplication(argc, argv);
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

}  // namespace qttest
