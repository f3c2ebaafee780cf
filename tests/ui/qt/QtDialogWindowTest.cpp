#include "ui/qt/QtDialogWindow.h"

#include <QAbstractItemView>
#include <QComboBox>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>

#include "QtTestSupport.h"
#include "platform/MessageBox.h"
#include "ui/PaintContext.h"
#include "ui/qt/DialogUnits.h"
#include "ui/qt/IconControl.h"

namespace {

using namespace qttest;
using ui::Notification;
using QtDialogWindowTest = BackendTest;

// A template becomes a fixed window of the converted client size with each
// control kind as its widget, at its converted place, in its template state.
TEST_F(QtDialogWindowTest, TemplateBecomesWidgetsAtConvertedGeometry) {
  TestDialog dialog;
  dialog.on_init = [&](TestDialog& d) {
    const ui::qt::BaseUnits base = d.QtWindow().GetBaseUnits();
    auto expected = [&](int x, int y, int w, int h) {
      return ui::qt::DialogRectToPixels(x, y, w, h, base);
    };
    QWidget* window = d.QtWindow().Widget();
    EXPECT_EQ(window->size(), expected(0, 0, 200, 120).size());
    EXPECT_EQ(window->minimumSize(), window->maximumSize());
    EXPECT_EQ(window->font().pointSize(), 8);
    EXPECT_EQ(window->windowTitle(), QStringLiteral("Sample"));
    // Each control kind as its widget class.
    const std::pair<int, const char*> classes[] = {
        {kSampleButton, "QPushButton"},
        {kSampleLabel, "QLabel"},
        {kSampleEdit, "QPlainTextEdit"},
        {kSampleList, "QComboBox"},
    };
    for (const auto& [id, name] : classes) ASSERT_TRUE(d.Control(id)->inherits(name)) << id;
    auto* scroll_edit = static_cast<QPlainTextEdit*>(d.Control(kSampleScrollEdit));
    EXPECT_EQ(d.Control(kSampleButton)->geometry(), expected(145, 5, 50, 14));
    EXPECT_TRUE(static_cast<QPushButton*>(d.Control(kSampleDefault))->isDefault());
    EXPECT_FALSE(static_cast<QPushButton*>(d.Control(kSampleButton))->isDefault());
    EXPECT_EQ(static_cast<QLabel*>(d.Control(kSampleLabel))->text(), QStringLiteral("A & B"));
    EXPECT_EQ(d.GetControlText(kSampleLabel), "A && B");
    EXPECT_EQ(static_cast<QLabel*>(d.Control(kSampleSunken))->frameShadow(), QFrame::Sunken);
    EXPECT_TRUE(static_cast<QLabel*>(d.Control(kSampleCentred))->alignment() & Qt::AlignVCenter);
    EXPECT_EQ(d.Control(kSampleFrame)->geometry(), expected(5, 70, 40, 45));
    // Read-only multi-line edits: lines kept, a scroll bar only when asked for.
    EXPECT_TRUE(scroll_edit->isReadOnly());
    EXPECT_EQ(scroll_edit->verticalScrollBarPolicy(), Qt::ScrollBarAlwaysOn);
    EXPECT_EQ(static_cast<QPlainTextEdit*>(d.Control(kSampleEdit))->verticalScrollBarPolicy(),
              Qt::ScrollBarAlwaysOff);
    EXPECT_EQ(scroll_edit->toPlainText(), QStringLiteral("Line one\nLine two"));
    EXPECT_EQ(d.GetControlText(kSampleScrollEdit), "Line one\r\nLine two");
    EXPECT_FALSE(static_cast<QComboBox*>(d.Control(kSampleList))->isEditable());
    EXPECT_EQ(d.Control(kSampleList)->pos(), expected(5, 5, 60, 50).topLeft());
    ASSERT_NE(dynamic_cast<ui::qt::IconControl*>(d.Control(kSampleIcon)), nullptr);
    EXPECT_EQ(d.Control(kSampleIcon)->size(), QSize(32, 32));
    EXPECT_EQ(d.Control(kSampleIcon)->grab().toImage().pixel(5, 5), 0xFF00A000u);
    EXPECT_EQ(d.Control(12345), nullptr);
    d.EndDialog(platform::kIdOk);
  };
  EXPECT_EQ(dialog.DoModal(), platform::kIdOk);
}

// Clicks and window keys reach their handlers: a button click, Enter to the
// default button unless a button has the focus (a read-only edit leaves it to
// the window), Escape to Cancel, F1 to help; the first tab-stop control has
// the focus at opening; a button disabled from code takes no click; the paint
// hook stretches bitmap 141 over a black frame.
TEST_F(QtDialogWindowTest, ClicksKeysAndPainting) {
  QImage bitmap(4, 2, QImage::Format_RGB32);  // left half red, right half blue
  for (int i = 0; i < 8; ++i) bitmap.setPixel(i % 4, i / 4, i % 4 < 2 ? 0xFFFF0000 : 0xFF0000FF);
  m_resources.SetBitmap(bitmap);
  TestDialog dialog;
  std::vector<int> clicks;
  int help = 0, focus_at_open = -1;
  for (int id : {kSampleButton, kSampleDefault}) {
    dialog.MapCommand(id, Notification::kClicked, [&clicks, id] { clicks.push_back(id); });
  }
  dialog.on_help = [&] { ++help; };
  dialog.on_paint = [](ui::PaintContext& c) { c.StretchBitmapToControl(kSampleFrame, 141); };
  dialog.on_init = [](TestDialog& d) { d.DisableControl(kSampleOk); };
  dialog.on_open = [&](TestDialog& d) {
    focus_at_open = d.GetFocus();
    const QImage shot = d.QtWindow().Widget()->grab().toImage();
    const QRect frame = d.Control(kSampleFrame)->geometry();
    EXPECT_EQ(shot.pixelColor(frame.left() + 1, frame.top() + 1), QColor(0xFF, 0, 0));
    EXPECT_EQ(shot.pixelColor(frame.right() - 1, frame.bottom() - 1), QColor(0, 0, 0xFF));
    UserClick(d.Control(kSampleOk));  // disabled: the dialog stays open
    UserClick(d.Control(kSampleButton));
    d.SetFocus(kSampleList);
    QTest::keyClick(d.Handle(), Qt::Key_Return);  // the default button
    QTest::keyClick(d.Handle(), Qt::Key_F1);
    d.SetFocus(kSampleButton);
    QTest::keyClick(d.Handle(), Qt::Key_Return);
    d.SetFocus(kSampleScrollEdit);
    QTest::keyClick(d.Handle(), Qt::Key_Return);
    QTest::keyClick(d.Handle(), Qt::Key_Escape);
  };
  EXPECT_EQ(dialog.DoModal(), platform::kIdCancel);
  EXPECT_EQ(focus_at_open, kSampleList);
  EXPECT_EQ(clicks,
            (std::vector<int>{kSampleButton, kSampleDefault, kSampleButton, kSampleDefault}));
  EXPECT_EQ(help, 1);
  EXPECT_EQ(dialog.cancel_count, 1);

  // The close box asks the dialog to cancel; a dialog that refuses stays open.
  TestDialog refusing;
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

// Lists notify only for the user's own choices: selections from code send
// nothing, a keyboard choice sends "selection changed", and "about to drop
// down" comes before the list opens, in time to refill it.
TEST_F(QtDialogWindowTest, ListNotifiesOnlyUserChoices) {
  TestDialog dialog;
  std::vector<Notification> seen;
  dialog.MapCommand(kSampleList, Notification::kSelectionChanged,
                    [&] { seen.push_back(Notification::kSelectionChanged); });
  dialog.MapCommand(kSampleList, Notification::kDropDown, [&] {
    seen.push_back(Notification::kDropDown);
    EXPECT_FALSE(qobject_cast<QComboBox*>(dialog.Control(kSampleList))->view()->isVisible());
    dialog.ResetList(kSampleList);
    for (int i = 0; i < 5; ++i) dialog.AddListItem(kSampleList, "Refilled", 100 + i);
  });
  dialog.on_init = [&](TestDialog& d) {
    for (const char* text : {"High", "Medium", "Low"}) d.AddListItem(kSampleList, text, 10);
    EXPECT_EQ(d.GetListSelection(kSampleList), -1);  // adding selects nothing
    d.SetListSelection(kSampleList, 1);
    EXPECT_EQ(d.GetControlText(kSampleList), "Medium");
  };
  dialog.on_open = [&](TestDialog& d) {
    d.SetFocus(kSampleList);
    QTest::keyClick(d.Handle(), Qt::Key_Down);
    EXPECT_EQ(d.GetListSelection(kSampleList), 2);
    d.SetListSelection(kSampleList, 0);
    auto* list = qobject_cast<QComboBox*>(d.Control(kSampleList));
    list->showPopup();
    EXPECT_TRUE(list->view()->isVisible());
    EXPECT_EQ(list->view()->model()->rowCount(), 5);
    d.MoveFocusToWindowAndBack();  // closes the open list
    EXPECT_FALSE(list->view()->isVisible());
    EXPECT_EQ(d.GetFocus(), kSampleList);
    d.EndDialog(platform::kIdOk);
  };
  EXPECT_EQ(dialog.DoModal(), platform::kIdOk);
  EXPECT_EQ(seen,
            (std::vector<Notification>{Notification::kSelectionChanged, Notification::kDropDown}));
}

// A child's modal loop runs inside a handler of its parent; the parent takes
// no input meanwhile (a window without a parent is owned by the innermost
// running one) and takes it again when the child closes.
TEST_F(QtDialogWindowTest, NestedLoopsBlockTheOwner) {
  TestDialog parent;
  int parent_clicks = 0, child_result = 0;
  bool parent_enabled_during_child = true;
  parent.MapCommand(kSampleButton, Notification::kClicked, [&] {
    ++parent_clicks;
    TestDialog child;
    child.on_open = [&](TestDialog& c) {
      parent_enabled_during_child = parent.GetWindow()->IsEnabled();
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

}  // namespace
