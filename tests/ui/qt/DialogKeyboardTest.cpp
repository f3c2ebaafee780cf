#include <QPlainTextEdit>
#include <QPushButton>
#include <QWheelEvent>

#include "QtTestSupport.h"
#include "platform/MessageBox.h"

namespace {

using namespace qttest;
using DialogKeyboardTest = BackendTest;

// The ids of the push buttons drawn as default.
std::vector<int> DefaultButtons(const HookedDialog& d) {
  std::vector<int> ids;
  for (const int id : {int{kSampleButton}, int{kSampleDefault}, int{kSampleOk}, 2}) {
    if (static_cast<QPushButton*>(ControlOf(d, id))->isDefault()) ids.push_back(id);
  }
  return ids;
}

// Exactly one push button is drawn as default at any time: the focused one,
// else the template's default one, however the focus moves (Tab, code).
// (Which button Return presses is the conformance test's.)
TEST_F(DialogKeyboardTest, OneDefaultButtonFollowsTheFocus) {
  HookedDialog dialog;
  dialog.on_open = [&](HookedDialog& d) {
    using V = std::vector<int>;
    EXPECT_EQ(DefaultButtons(d), V{kSampleDefault});
    QTest::keyClick(HandleOf(d), Qt::Key_Tab);
    EXPECT_EQ(d.GetFocus(), kSampleButton);
    EXPECT_EQ(DefaultButtons(d), V{kSampleButton});
    QTest::keyClick(HandleOf(d), Qt::Key_Tab);
    EXPECT_EQ(DefaultButtons(d), V{kSampleDefault});
    QTest::keyClick(HandleOf(d), Qt::Key_Tab);
    EXPECT_EQ(DefaultButtons(d), V{kSampleOk});
    QTest::keyClick(HandleOf(d), Qt::Key_Backtab);
    QTest::keyClick(HandleOf(d), Qt::Key_Backtab);
    QTest::keyClick(HandleOf(d), Qt::Key_Backtab);  // past the default button, back on the list
    EXPECT_EQ(d.GetFocus(), kSampleList);
    EXPECT_EQ(DefaultButtons(d), V{kSampleDefault});
    d.SetFocus(kSampleScrollEdit);
    EXPECT_EQ(DefaultButtons(d), V{kSampleDefault});
    d.EndDialog(platform::kIdOk);
  };
  EXPECT_EQ(dialog.DoModal(), platform::kIdOk);
}

// The arrow keys move the focus among the controls of a push button's group
// that can take it, wrapping within the group and skipping disabled ones;
// tabbing into a read-only text selects it all, leaving the view at its top,
// until the focus leaves it, while the focus given from code does not; the wheel changes a list
// only while it has the focus.
TEST_F(DialogKeyboardTest, ArrowsTabSelectionAndWheel) {
  HookedDialog dialog;
  dialog.on_init = [](HookedDialog& d) {
    for (const char* text : {"High", "Medium", "Low"}) d.AddListItem(kSampleList, text);
    d.SetListSelection(kSampleList, 0);
  };
  dialog.on_open = [&](HookedDialog& d) {
    d.SetFocus(kSampleButton);
    std::vector<int> path;
    for (int i = 0; i < 5; ++i) {
      QTest::keyClick(HandleOf(d), Qt::Key_Down);
      path.push_back(d.GetFocus());
    }
    EXPECT_EQ(path, (std::vector<int>{kSampleDefault, kSampleOk, 2, kSampleList, kSampleList}));
    EXPECT_EQ(d.GetListSelection(kSampleList), 1);  // the list takes Down itself
    d.SetFocus(kSampleButton);
    QTest::keyClick(HandleOf(d), Qt::Key_Left);
    EXPECT_EQ(d.GetFocus(), kSampleList);
    d.DisableControl(kSampleOk);
    d.SetFocus(kSampleDefault);
    QTest::keyClick(HandleOf(d), Qt::Key_Right);
    EXPECT_EQ(d.GetFocus(), 2);

    auto* edit = static_cast<QPlainTextEdit*>(ControlOf(d, kSampleScrollEdit));
    d.SetFocus(kSampleScrollEdit);
    EXPECT_FALSE(edit->textCursor().hasSelection());
    d.SetFocus(2);
    QTest::keyClick(HandleOf(d), Qt::Key_Tab);
    EXPECT_EQ(d.GetFocus(), kSampleScrollEdit);
    EXPECT_EQ(edit->textCursor().selectedText(), QStringLiteral("Line one\u2029Line two"));
    EXPECT_EQ(edit->textCursor().position(), 0);
    d.SetFocus(2);  // unmarked once the focus leaves
    EXPECT_FALSE(edit->textCursor().hasSelection());

    QWidget* list = ControlOf(d, kSampleList);
    auto wheel = [&] {
      const QPointF centre = QRectF(list->rect()).center();
      QWheelEvent event(centre, list->mapToGlobal(centre), QPoint(), QPoint(0, -120), Qt::NoButton,
                        Qt::NoModifier, Qt::NoScrollPhase, false);
      QApplication::sendEvent(list, &event);
    };
    wheel();
    EXPECT_EQ(d.GetListSelection(kSampleList), 1);
    d.SetFocus(kSampleList);
    wheel();
    EXPECT_EQ(d.GetListSelection(kSampleList), 2);
    d.EndDialog(platform::kIdOk);
  };
  EXPECT_EQ(dialog.DoModal(), platform::kIdOk);
}

}  // namespace
