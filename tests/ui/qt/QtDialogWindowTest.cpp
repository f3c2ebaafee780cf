#include "ui/qt/QtDialogWindow.h"

#include <gtest/gtest.h>

#include <QAbstractItemView>
#include <QComboBox>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTest>
#include <QWindow>

#include "QtTestSupport.h"
#include "platform/MessageBox.h"
#include "ui/DialogWindow.h"
#include "ui/PaintContext.h"
#include "ui/qt/DialogUnits.h"
#include "ui/qt/QtDialogBackend.h"

namespace {

using namespace qttest;
using ui::Notification;

using QtDialogWindowTest = BackendTest;

QRect Expected(const TestDialog& dialog, int x, int y, int w, int h) {
  return ui::qt::DialogRectToPixels(x, y, w, h, dialog.QtWindow().GetBaseUnits());
}

// A template becomes a fixed window of the converted client size with each
// control kind as its widget, at its converted place, in its template state.
TEST_F(QtDialogWindowTest, TemplateBecomesWidgetsAtConvertedGeometry) {
  TestDialog dialog(500);
  bool checked = false;
  dialog.on_init = [&](TestDialog& d) {
    const ui::qt::BaseUnits base = d.QtWindow().GetBaseUnits();
    ASSERT_GT(base.x, 0);
    ASSERT_GT(base.y, 0);
    QWidget* window = d.QtWindow().Widget();
    EXPECT_EQ(window->size(),
              QSize(ui::qt::HorizontalPixels(200, base), ui::qt::VerticalPixels(120, base)));
    EXPECT_EQ(window->minimumSize(), window->maximumSize());
    EXPECT_EQ(window->font().pointSize(), 8);
    EXPECT_EQ(window->windowTitle(), QStringLiteral("Sample"));

    auto* button = qobject_cast<QPushButton*>(d.Control(kSampleButton));
    auto* default_button = qobject_cast<QPushButton*>(d.Control(kSampleDefault));
    auto* label = qobject_cast<QLabel*>(d.Control(kSampleLabel));
    auto* sunken = qobject_cast<QLabel*>(d.Control(kSampleSunken));
    auto* centred = qobject_cast<QLabel*>(d.Control(kSampleCentred));
    auto* edit = qobject_cast<QPlainTextEdit*>(d.Control(kSampleEdit));
    auto* scroll_edit = qobject_cast<QPlainTextEdit*>(d.Control(kSampleScrollEdit));
    auto* list = qobject_cast<QComboBox*>(d.Control(kSampleList));
    auto* icon = qobject_cast<QLabel*>(d.Control(kSampleIcon));
    ASSERT_TRUE(button && default_button && label && sunken && centred && edit && scroll_edit &&
                list && icon);
    EXPECT_EQ(button->geometry(), Expected(d, 145, 5, 50, 14));
    EXPECT_FALSE(button->isDefault());
    EXPECT_TRUE(default_button->isDefault());
    EXPECT_EQ(label->geometry(), Expected(d, 75, 15, 60, 8));
    EXPECT_EQ(label->text(), QStringLiteral("A & B"));
    EXPECT_EQ(d.GetControlText(kSampleLabel), "A && B");
    EXPECT_EQ(sunken->frameShadow(), QFrame::Sunken);
    EXPECT_TRUE(centred->alignment() & Qt::AlignVCenter);
    EXPECT_EQ(d.Control(kSampleFrame)->geometry(), Expected(d, 5, 70, 40, 45));
    EXPECT_TRUE(scroll_edit->isReadOnly());
    EXPECT_EQ(scroll_edit->verticalScrollBarPolicy(), Qt::ScrollBarAlwaysOn);
    EXPECT_EQ(edit->verticalScrollBarPolicy(), Qt::ScrollBarAlwaysOff);
    EXPECT_EQ(scroll_edit->toPlainText(), QStringLiteral("Line one\nLine two"));
    EXPECT_EQ(d.GetControlText(kSampleScrollEdit), "Line one\r\nLine two");
    EXPECT_FALSE(list->isEditable());
    EXPECT_EQ(list->pos(), Expected(d, 5, 5, 60, 50).topLeft());
    EXPECT_EQ(list->width(), Expected(d, 5, 5, 60, 50).width());
    EXPECT_EQ(icon->pos(), Expected(d, 150, 80, 20, 20).topLeft());
    EXPECT_EQ(icon->pixmap().toImage().pixel(5, 5), 0xFF00A000u);
    EXPECT_EQ(d.Control(12345), nullptr);
    checked = true;
    d.EndDialog(platform::kIdOk);
  };
  EXPECT_EQ(dialog.DoModal(), platform::kIdOk);
  EXPECT_TRUE(checked);
  EXPECT_FALSE(dialog.IsOpen());
}

// Clicks and window keys reach their handlers: a button click, Enter to the
// default button unless a button has the focus, Escape and the close box to
// Cancel, F1 to help; the first tab-stop control has the focus at opening.
TEST_F(QtDialogWindowTest, ClicksAndWindowKeysReachHandlers) {
  TestDialog dialog(500);
  std::vector<int> clicks;
  int help = 0;
  int focus_at_open = -1;
  for (int id : {kSampleButton, kSampleDefault}) {
    dialog.MapCommand(id, Notification::kClicked, [&clicks, id] { clicks.push_back(id); });
  }
  dialog.on_help = [&] { ++help; };
  dialog.on_open = [&](TestDialog& d) {
    focus_at_open = d.GetFocus();
    UserClick(d.Control(kSampleButton));
    d.SetFocus(kSampleList);
    QTest::keyClick(d.Handle(), Qt::Key_Return);  // the default button
    QTest::keyClick(d.Handle(), Qt::Key_F1);
    d.SetFocus(kSampleButton);
    QTest::keyClick(d.Handle(), Qt::Key_Return);  // a focused button takes Enter itself
    QTest::keyClick(d.Handle(), Qt::Key_Space);
    d.SetFocus(kSampleScrollEdit);
    QTest::keyClick(d.Handle(), Qt::Key_Return);  // a read-only edit leaves Enter to the window
    QTest::keyClick(d.Handle(), Qt::Key_Escape);
  };
  EXPECT_EQ(dialog.DoModal(), platform::kIdCancel);
  EXPECT_EQ(focus_at_open, kSampleList);
  EXPECT_EQ(clicks, (std::vector<int>{kSampleButton, kSampleDefault, kSampleButton, kSampleButton,
                                      kSampleDefault}));
  EXPECT_EQ(help, 1);
  EXPECT_EQ(dialog.cancel_count, 1);

  // The close box asks the dialog to cancel; a dialog that refuses stays open.
  TestDialog refusing(500);
  int close_requests = 0;
  refusing.MapCommand(platform::kIdCancel, Notification::kClicked, [&] { ++close_requests; });
  refusing.on_open = [&](TestDialog& d) {
    d.QtWindow().Widget()->close();
    EXPECT_TRUE(d.QtWindow().Widget()->isVisible());
    d.EndDialog(42);
  };
  EXPECT_EQ(refusing.DoModal(), 42);
  EXPECT_EQ(close_requests, 1);
}

// Lists notify only for the user's own choices: selections and refills from
// code send nothing, a keyboard choice sends "selection changed", and "about
// to drop down" comes before the list opens, in time to refill it.
TEST_F(QtDialogWindowTest, ListNotifiesOnlyUserChoices) {
  TestDialog dialog(500);
  std::vector<Notification> seen;
  int count_when_dropping = -1;
  bool popup_visible_when_dropping = true;
  dialog.MapCommand(kSampleList, Notification::kSelectionChanged,
                    [&] { seen.push_back(Notification::kSelectionChanged); });
  dialog.MapCommand(kSampleList, Notification::kDropDown, [&] {
    seen.push_back(Notification::kDropDown);
    popup_visible_when_dropping =
        qobject_cast<QComboBox*>(dialog.Control(kSampleList))->view()->isVisible();
    dialog.ResetList(kSampleList);
    for (int i = 0; i < 5; ++i) dialog.AddListItem(kSampleList, "Refilled", 100 + i);
    dialog.SetListSelection(kSampleList, 2);
    count_when_dropping = dialog.GetListCount(kSampleList);
  });
  dialog.on_init = [&](TestDialog& d) {
    for (const char* text : {"High", "Medium", "Low"}) d.AddListItem(kSampleList, text, 10);
    EXPECT_EQ(d.GetListSelection(kSampleList), -1);  // adding selects nothing
    d.SetListSelection(kSampleList, 1);
    EXPECT_EQ(d.GetControlText(kSampleList), "Medium");
  };
  dialog.on_open = [&](TestDialog& d) {
    EXPECT_TRUE(seen.empty());
    d.SetFocus(kSampleList);
    QTest::keyClick(d.Handle(), Qt::Key_Down);
    EXPECT_EQ(d.GetListSelection(kSampleList), 2);
    EXPECT_EQ(seen, (std::vector<Notification>{Notification::kSelectionChanged}));
    d.SetListSelection(kSampleList, 0);
    EXPECT_EQ(seen.size(), 1u);

    auto* list = qobject_cast<QComboBox*>(d.Control(kSampleList));
    list->showPopup();
    EXPECT_EQ(seen.back(), Notification::kDropDown);
    EXPECT_FALSE(popup_visible_when_dropping);
    EXPECT_EQ(count_when_dropping, 5);
    EXPECT_TRUE(list->view()->isVisible());
    EXPECT_EQ(list->view()->model()->rowCount(), 5);
    d.MoveFocusToWindowAndBack();  // closes the open list
    EXPECT_FALSE(list->view()->isVisible());
    EXPECT_EQ(d.GetFocus(), kSampleList);
    d.EndDialog(platform::kIdOk);
  };
  EXPECT_EQ(dialog.DoModal(), platform::kIdOk);
  EXPECT_EQ(seen.size(), 2u);
}

// A child's modal loop runs inside a handler of its parent; the parent takes
// no input meanwhile (a window without a parent is owned by the innermost
// running one) and takes it again when the child closes.
TEST_F(QtDialogWindowTest, NestedLoopsBlockTheOwner) {
  TestDialog parent(500);
  int parent_clicks = 0;
  bool parent_enabled_during_child = true;
  int child_result = 0;
  parent.MapCommand(kSampleButton, Notification::kClicked, [&] {
    ++parent_clicks;
    TestDialog child(500);
    child.on_open = [&](TestDialog& c) {
      parent_enabled_during_child = parent.GetWindow()->IsEnabled();
      EXPECT_TRUE(c.QtWindow().Widget()->isModal());
      EXPECT_EQ(c.Handle()->transientParent(), parent.Handle());
      UserClick(parent.Control(kSampleButton));  // does not get through
      UserClick(c.Control(kSampleOk));
    };
    child_result = child.DoModal();
  });
  parent.on_open = [&](TestDialog& d) {
    UserClick(d.Control(kSampleButton));
    EXPECT_TRUE(d.GetWindow()->IsEnabled());
    d.EndDialog(platform::kIdCancel);
  };
  EXPECT_EQ(parent.DoModal(), platform::kIdCancel);
  EXPECT_EQ(parent_clicks, 1);
  EXPECT_FALSE(parent_enabled_during_child);
  EXPECT_EQ(child_result, platform::kIdOk);
}

// The paint hook stretches a bitmap over a black frame pixel for pixel, and a
// button disabled from code takes no click.
TEST_F(QtDialogWindowTest, PaintHookAndDisabledControl) {
  QImage bitmap(4, 2, QImage::Format_RGB32);  // left half red, right half blue
  for (int i = 0; i < 8; ++i) bitmap.setPixel(i % 4, i / 4, i % 4 < 2 ? 0xFFFF0000 : 0xFF0000FF);
  m_resources.AddBitmap(141, bitmap);
  TestDialog dialog(500);
  int paints = 0;
  int clicks = 0;
  dialog.MapCommand(kSampleButton, Notification::kClicked, [&] { ++clicks; });
  dialog.on_paint = [&](ui::PaintContext& context) {
    ++paints;
    context.StretchBitmapToControl(kSampleFrame, 141);
  };
  dialog.on_init = [&](TestDialog& d) { d.DisableControl(kSampleButton); };
  dialog.on_open = [&](TestDialog& d) {
    const QImage shot = d.QtWindow().Widget()->grab().toImage();
    const QRect frame = d.Control(kSampleFrame)->geometry();
    EXPECT_GT(paints, 0);
    EXPECT_EQ(shot.pixelColor(frame.left() + 1, frame.top() + 1), QColor(0xFF, 0, 0));
    EXPECT_EQ(shot.pixelColor(frame.right() - 1, frame.bottom() - 1), QColor(0, 0, 0xFF));
    UserClick(d.Control(kSampleButton));
    d.EndDialog(platform::kIdOk);
  };
  EXPECT_EQ(dialog.DoModal(), platform::kIdOk);
  EXPECT_EQ(clicks, 0);
}

}  // namespace
