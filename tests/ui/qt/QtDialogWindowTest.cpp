#include "ui/qt/QtDialogWindow.h"

#include <gtest/gtest.h>

#include <QApplication>
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

class QtDialogWindowTest : public testing::Test {
 protected:
  QtDialogWindowTest() {
    EnsureApplication();
    m_resources.AddDialog(SampleTemplate());
    ui::DialogTemplate child = SampleTemplate();
    child.id = 501;
    child.caption = "Child";
    m_resources.AddDialog(child);
    m_resources.AddIcon(kSampleIconId, 32, 0xFF00A000);
    m_resources.AddIcon(7, 16, 0xFF0000FF);
    // Left half red, right half blue, 4 x 2.
    m_resources.AddBitmap(
        kSampleBitmapId, 4, 2,
        {0xFF0000, 0xFF0000, 0x0000FF, 0x0000FF, 0xFF0000, 0xFF0000, 0x0000FF, 0x0000FF});
  }

  qttest::ApplicationFirst m_application;
  TestResources m_resources;
  ui::qt::QtDialogBackend m_backend;
};

QRect Expected(const TestDialog& dialog, int x, int y, int w, int h) {
  return ui::qt::DialogRectToPixels(x, y, w, h, dialog.QtWindow().GetBaseUnits());
}

// A template becomes a window of the converted client size with each
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
    EXPECT_EQ(window->minimumSize(), window->maximumSize());  // fixed frame
    EXPECT_EQ(window->font().pointSize(), 8);
    EXPECT_EQ(window->windowTitle(), QStringLiteral("Sample"));

    auto* button = qobject_cast<QPushButton*>(d.Control(kSampleButton));
    ASSERT_NE(button, nullptr);
    EXPECT_EQ(button->geometry(), Expected(d, 145, 5, 50, 14));
    EXPECT_FALSE(button->isDefault());
    auto* default_button = qobject_cast<QPushButton*>(d.Control(kSampleDefault));
    ASSERT_NE(default_button, nullptr);
    EXPECT_TRUE(default_button->isDefault());

    auto* label = qobject_cast<QLabel*>(d.Control(kSampleLabel));
    ASSERT_NE(label, nullptr);
    EXPECT_EQ(label->geometry(), Expected(d, 75, 15, 60, 8));
    EXPECT_EQ(label->text(), QStringLiteral("A & B"));
    EXPECT_EQ(d.GetControlText(kSampleLabel), "A && B");
    auto* sunken = qobject_cast<QLabel*>(d.Control(kSampleSunken));
    ASSERT_NE(sunken, nullptr);
    EXPECT_EQ(sunken->frameShadow(), QFrame::Sunken);
    auto* centred = qobject_cast<QLabel*>(d.Control(kSampleCentred));
    ASSERT_NE(centred, nullptr);
    EXPECT_TRUE(centred->alignment() & Qt::AlignVCenter);

    EXPECT_EQ(d.Control(kSampleFrame)->geometry(), Expected(d, 5, 70, 40, 45));

    auto* scroll_edit = qobject_cast<QPlainTextEdit*>(d.Control(kSampleScrollEdit));
    ASSERT_NE(scroll_edit, nullptr);
    EXPECT_TRUE(scroll_edit->isReadOnly());
    EXPECT_EQ(scroll_edit->verticalScrollBarPolicy(), Qt::ScrollBarAlwaysOn);
    EXPECT_EQ(scroll_edit->toPlainText(), QStringLiteral("Line one\nLine two"));
    EXPECT_EQ(d.GetControlText(kSampleScrollEdit), "Line one\r\nLine two");
    auto* edit = qobject_cast<QPlainTextEdit*>(d.Control(kSampleEdit));
    ASSERT_NE(edit, nullptr);
    EXPECT_EQ(edit->verticalScrollBarPolicy(), Qt::ScrollBarAlwaysOff);

    auto* list = qobject_cast<QComboBox*>(d.Control(kSampleList));
    ASSERT_NE(list, nullptr);
    EXPECT_FALSE(list->isEditable());
    EXPECT_EQ(list->pos(), Expected(d, 5, 5, 60, 50).topLeft());
    EXPECT_EQ(list->width(), Expected(d, 5, 5, 60, 50).width());

    auto* icon = qobject_cast<QLabel*>(d.Control(kSampleIcon));
    ASSERT_NE(icon, nullptr);
    EXPECT_EQ(icon->pos(), Expected(d, 150, 80, 20, 20).topLeft());
    EXPECT_FALSE(icon->pixmap().isNull());
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
// default button, Escape and the close box to Cancel, F1 to help; the first
// tab-stop control has the focus when the window opens.
TEST_F(QtDialogWindowTest, ClicksAndWindowKeysReachHandlers) {
  TestDialog dialog(500);
  std::vector<int> clicks;
  int help = 0;
  dialog.MapCommand(kSampleButton, Notification::kClicked,
                    [&] { clicks.push_back(kSampleButton); });
  dialog.MapCommand(kSampleDefault, Notification::kClicked,
                    [&] { clicks.push_back(kSampleDefault); });
  dialog.on_help = [&] { ++help; };
  int focus_at_open = -1;
  dialog.on_init = [&](TestDialog& d) {
    Later([&] {
      focus_at_open = d.GetFocus();
      QWindow* window = d.QtWindow().Widget()->windowHandle();
      UserClick(d.Control(kSampleButton));
      d.SetFocus(kSampleList);
      QTest::keyClick(window, Qt::Key_Return);  // focus on the list: the default button
      QTest::keyClick(window, Qt::Key_F1);
      d.SetFocus(kSampleButton);
      QTest::keyClick(window, Qt::Key_Return);  // a focused button takes Enter itself
      QTest::keyClick(window, Qt::Key_Space);
      d.SetFocus(kSampleScrollEdit);
      QTest::keyClick(window, Qt::Key_Return);  // a read-only edit leaves Enter to the window
      QTest::keyClick(window, Qt::Key_Escape);
    });
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
  refusing.on_init = [&](TestDialog& d) {
    Later([&] {
      d.QtWindow().Widget()->close();
      EXPECT_TRUE(d.QtWindow().Widget()->isVisible());
      d.EndDialog(42);
    });
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
    auto* list = qobject_cast<QComboBox*>(dialog.Control(kSampleList));
    popup_visible_when_dropping = list->view()->isVisible();
    dialog.ResetList(kSampleList);
    for (int i = 0; i < 5; ++i) dialog.AddListItem(kSampleList, "Refilled", 100 + i);
    dialog.SetListSelection(kSampleList, 2);
    count_when_dropping = dialog.GetListCount(kSampleList);
  });
  dialog.on_init = [&](TestDialog& d) {
    EXPECT_EQ(d.AddListItem(kSampleList, "High", 10), 0);
    EXPECT_EQ(d.AddListItem(kSampleList, "Medium", 11), 1);
    EXPECT_EQ(d.AddListItem(kSampleList, "Low", 12), 2);
    EXPECT_EQ(d.GetListSelection(kSampleList), -1);  // adding selects nothing
    d.SetListSelection(kSampleList, 1);
    EXPECT_EQ(d.GetListItemData(kSampleList, 2), 12);
    EXPECT_EQ(d.GetListItemText(kSampleList, 0), "High");
    EXPECT_EQ(d.GetControlText(kSampleList), "Medium");
    Later([&] {
      EXPECT_TRUE(seen.empty());
      QWindow* window = d.QtWindow().Widget()->windowHandle();
      d.SetFocus(kSampleList);
      QTest::keyClick(window, Qt::Key_Down);
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
    });
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
    TestDialog child(501);  // no parent given
    child.on_init = [&](TestDialog& c) {
      Later([&] {
        parent_enabled_during_child = parent.GetWindow()->IsEnabled();
        EXPECT_TRUE(c.QtWindow().Widget()->isModal());
        EXPECT_EQ(c.QtWindow().Widget()->windowHandle()->transientParent(),
                  parent.QtWindow().Widget()->windowHandle());
        // A click on the parent's button does not get through.
        UserClick(parent.Control(kSampleButton));
        UserClick(c.Control(kSampleOk));
      });
    };
    child_result = child.DoModal();
  });
  parent.on_init = [&](TestDialog& d) {
    Later([&] {
      EXPECT_TRUE(d.GetWindow()->IsEnabled());
      UserClick(d.Control(kSampleButton));
      EXPECT_TRUE(d.GetWindow()->IsEnabled());
      d.EndDialog(platform::kIdCancel);
    });
  };
  EXPECT_EQ(parent.DoModal(), platform::kIdCancel);
  EXPECT_EQ(parent_clicks, 1);
  EXPECT_FALSE(parent_enabled_during_child);
  EXPECT_EQ(child_result, platform::kIdOk);
}

// Timers fire by id until killed; a dialog ended before its loop never shows.
TEST_F(QtDialogWindowTest, TimersAndEndingBeforeTheLoop) {
  TestDialog dialog(500);
  std::vector<unsigned> ticks;
  dialog.on_init = [&](TestDialog& d) {
    d.SetTimer(342, 5);
    d.SetTimer(7, 10000);
  };
  dialog.on_timer = [&](unsigned id) {
    ticks.push_back(id);
    if (ticks.size() == 3) {
      dialog.KillTimer(342);
      Later([&] { dialog.EndDialog(platform::kIdOk); }, 30);
    }
  };
  EXPECT_EQ(dialog.DoModal(), platform::kIdOk);
  EXPECT_EQ(ticks, (std::vector<unsigned>{342, 342, 342}));

  TestDialog early(500);
  bool shown = false;
  early.on_init = [&](TestDialog& d) {
    d.EndDialog(platform::kIdCancel);
    Later([&] { shown = true; });
  };
  EXPECT_EQ(early.DoModal(), platform::kIdCancel);
  EXPECT_FALSE(shown);
  QApplication::processEvents();
}

// The paint hook stretches a bitmap over a black frame pixel for pixel, and
// control state changes from code are seen at once.
TEST_F(QtDialogWindowTest, PaintHookAndControlState) {
  TestDialog dialog(500);
  int paints = 0;
  dialog.on_paint = [&](ui::PaintContext& context) {
    ++paints;
    EXPECT_FALSE(context.IsMinimized());
    context.StretchBitmapToControl(kSampleFrame, kSampleBitmapId);
  };
  dialog.on_init = [&](TestDialog& d) {
    d.HideControl(kSampleIcon);
    EXPECT_FALSE(d.IsControlVisible(kSampleIcon));
    EXPECT_TRUE(d.IsControlVisible(kSampleButton));
    d.DisableControl(kSampleButton);
    EXPECT_FALSE(d.IsControlEnabled(kSampleButton));
    d.SetControlText(kSampleButton, "Renamed");
    EXPECT_EQ(d.GetControlText(kSampleButton), "Renamed");
    d.SetWindowText("Zarvex Configuration");
    EXPECT_EQ(d.GetWindowText(), "Zarvex Configuration");
    d.SetWindowIcon(7);
    EXPECT_FALSE(d.QtWindow().Widget()->windowIcon().isNull());
    Later([&] {
      QWidget* window = d.QtWindow().Widget();
      const QImage shot = window->grab().toImage();
      const QRect frame = d.Control(kSampleFrame)->geometry();
      EXPECT_GT(paints, 0);
      EXPECT_EQ(shot.pixelColor(frame.left() + 1, frame.top() + 1), QColor(0xFF, 0, 0));
      EXPECT_EQ(shot.pixelColor(frame.right() - 1, frame.bottom() - 1), QColor(0, 0, 0xFF));
      // The disabled button takes no click.
      UserClick(d.Control(kSampleButton));
      d.EndDialog(platform::kIdOk);
    });
  };
  int clicks = 0;
  dialog.MapCommand(kSampleButton, Notification::kClicked, [&] { ++clicks; });
  EXPECT_EQ(dialog.DoModal(), platform::kIdOk);
  EXPECT_EQ(clicks, 0);
}

}  // namespace
