#include "ui/qt/QtDialogWindow.h"

#include <QComboBox>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>

#include "QtTestSupport.h"
#include "platform/MessageBox.h"
#include "support/BitmapFile.h"
#include "ui/PaintContext.h"
#include "ui/qt/DialogUnits.h"
#include "ui/qt/IconControl.h"

namespace {

using namespace qttest;
using QtDialogWindowTest = BackendTest;

// A template becomes a fixed window of the converted client size with each
// control kind as its widget. (Places, texts and states are the conformance
// test's; the default button is the keyboard test's.)
TEST_F(QtDialogWindowTest, TemplateBecomesWidgets) {
  HookedDialog dialog;
  dialog.on_init = [&](HookedDialog& d) {
    const ui::qt::BaseUnits base = QtWindowOf(d).GetBaseUnits();
    QWidget* window = QtWindowOf(d).Widget();
    EXPECT_EQ(window->size(), ui::qt::DialogRectToPixels(0, 0, 200, 120, base).size());
    EXPECT_EQ(window->minimumSize(), window->maximumSize());
    EXPECT_EQ(window->font().pointSize(), 8);
    // Each control kind as its widget class.
    const std::pair<int, const char*> classes[] = {
        {kSampleButton, "QPushButton"},
        {kSampleLabel, "QLabel"},
        {kSampleEdit, "QPlainTextEdit"},
        {kSampleList, "QComboBox"},
    };
    for (const auto& [id, name] : classes) ASSERT_TRUE(ControlOf(d, id)->inherits(name)) << id;
    auto* scroll_edit = static_cast<QPlainTextEdit*>(ControlOf(d, kSampleScrollEdit));
    EXPECT_EQ(static_cast<QLabel*>(ControlOf(d, kSampleLabel))->text(), QStringLiteral("A & B"));
    EXPECT_EQ(static_cast<QLabel*>(ControlOf(d, kSampleSunken))->frameShadow(), QFrame::Sunken);
    EXPECT_TRUE(static_cast<QLabel*>(ControlOf(d, kSampleCentred))->alignment() & Qt::AlignVCenter);
    // Read-only multi-line edits: lines kept, a scroll bar only when asked for.
    EXPECT_TRUE(scroll_edit->isReadOnly());
    EXPECT_EQ(scroll_edit->verticalScrollBarPolicy(), Qt::ScrollBarAlwaysOn);
    EXPECT_EQ(static_cast<QPlainTextEdit*>(ControlOf(d, kSampleEdit))->verticalScrollBarPolicy(),
              Qt::ScrollBarAlwaysOff);
    EXPECT_EQ(scroll_edit->toPlainText(), QStringLiteral("Line one\nLine two"));
    EXPECT_FALSE(static_cast<QComboBox*>(ControlOf(d, kSampleList))->isEditable());
    ASSERT_NE(dynamic_cast<ui::qt::IconControl*>(ControlOf(d, kSampleIcon)), nullptr);
    EXPECT_EQ(ControlOf(d, kSampleIcon)->size(), QSize(32, 32));
    EXPECT_EQ(ControlOf(d, kSampleIcon)->grab().toImage().pixel(5, 5), 0xFF00A000u);
    EXPECT_EQ(ControlOf(d, 12345), nullptr);
    d.EndDialog(platform::kIdOk);
  };
  EXPECT_EQ(dialog.DoModal(), platform::kIdOk);
}

// The paint hook stretches the whole bitmap over the whole black frame.
TEST_F(QtDialogWindowTest, PaintHookStretchesBitmapOverFrame) {
  // 4 x 2 pixels: the left half red, the right half blue.
  m_resources.SetBitmap(BitmapFile(4, 2, [](int x, int) { return x < 2 ? 0xFF0000u : 0x0000FFu; }));
  HookedDialog dialog;
  dialog.on_paint = [](ui::PaintContext& c) { c.StretchBitmapToControl(kSampleFrame, kSampleBitmap); };
  dialog.on_open = [&](HookedDialog& d) {
    const QImage shot = QtWindowOf(d).Widget()->grab().toImage();
    const QRect frame = ControlOf(d, kSampleFrame)->geometry();
    EXPECT_EQ(shot.pixelColor(frame.left() + 1, frame.top() + 1), QColor(0xFF, 0, 0));
    EXPECT_EQ(shot.pixelColor(frame.right() - 1, frame.bottom() - 1), QColor(0, 0, 0xFF));
    d.EndDialog(platform::kIdOk);
  };
  EXPECT_EQ(dialog.DoModal(), platform::kIdOk);
}

}  // namespace
