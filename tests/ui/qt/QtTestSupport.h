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
using test::HookedDialog;

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

// A dialog's window, its controls' widgets and its window handle.
inline ui::qt::QtDialogWindow& QtWindowOf(const Dialog& dialog) {
  return dynamic_cast<ui::qt::QtDialogWindow&>(*dialog.GetWindow());
}
inline QWidget* ControlOf(const Dialog& dialog, int control_id) {
  return QtWindowOf(dialog).ControlWidget(control_id);
}
inline QWindow* HandleOf(const Dialog& dialog) {
  return QtWindowOf(dialog).Widget()->windowHandle();
}

}  // namespace qttest
