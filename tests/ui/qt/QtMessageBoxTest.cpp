#include "ui/qt/QtMessageBox.h"

#include <QMessageBox>
#include <QPointer>
#include <QPushButton>

#include "QtTestSupport.h"
#include "platform/MessageBox.h"

namespace {

struct SeenBox {
  QMessageBox::Icon icon = QMessageBox::NoIcon;
  QString text, title;
  QMessageBox::StandardButtons buttons;
  QMessageBox::StandardButton default_button = QMessageBox::NoButton;
  bool close_box = false;
  bool stayed_open = false;  // after Escape and the close box
};

// Answers the next message box: records it, tries Escape and the close box
// first (which a box without a way out ignores), then presses `answer`
// (NoButton: leaves it to Escape).
void AnswerNextBox(SeenBox& seen, QMessageBox::StandardButton answer) {
  test::WhenLoopRuns(
      [&seen, answer] {
        auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
        ASSERT_NE(box, nullptr);
        seen = {box->icon(),
                box->text(),
                box->windowTitle(),
                box->standardButtons(),
                box->standardButton(box->defaultButton()),
                box->windowFlags().testFlag(Qt::WindowCloseButtonHint)};
        QPointer<QMessageBox> still(box);
        QTest::keyClick(box, Qt::Key_Escape);
        if (still && still->isVisible()) {
          still->close();
        }
        seen.stayed_open = still && still->isVisible();
        if (seen.stayed_open && answer != QMessageBox::NoButton) {
          still->button(answer)->click();
        }
      },
      10);
}

// A box shows the icon and buttons of its flags and returns the Windows
// result of the button pressed. Escape and the close box answer Cancel where
// there is one and OK for an OK box; a Yes/No box ignores both and has no
// close box, so the player must choose.
TEST(QtMessageBox, IconsButtonsAndResults) {
  using namespace platform;
  using M = QMessageBox;
  qttest::EnsureApplication();
  constexpr unsigned kMbYesNoCancel = 0x3;
  const struct {
    unsigned flags;
    M::StandardButton answer;  // NoButton: Escape
    int result;
    M::Icon icon;
    M::StandardButtons buttons;  // the first in Windows order is the default
    bool escapes;
  } cases[] = {
      {kMbYesNo | kMbIconExclamation, M::No, kIdNo, M::Warning, M::Yes | M::No, false},
      {kMbYesNo | kMbIconStop, M::Yes, kIdYes, M::Critical, M::Yes | M::No, false},
      {kMbOk | kMbIconStop, M::NoButton, kIdOk, M::Critical, M::Ok, true},
      {kMbOkCancel | kMbIconInformation, M::NoButton, kIdCancel, M::Information, M::Ok | M::Cancel,
       true},
      {kMbYesNoCancel, M::NoButton, kIdCancel, M::NoIcon, M::Yes | M::No | M::Cancel, true},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(testing::Message() << "flags 0x" << std::hex << c.flags);
    SeenBox seen;
    AnswerNextBox(seen, c.answer);
    EXPECT_EQ(ui::qt::QtMessageBox().Show(nullptr, "Are you sure?", "Reset Confirmation", c.flags),
              c.result);
    EXPECT_EQ(seen.icon, c.icon);
    EXPECT_EQ(seen.buttons, c.buttons);
    EXPECT_EQ(seen.default_button, c.buttons & M::Yes ? M::Yes : M::Ok);
    EXPECT_EQ(seen.text, QStringLiteral("Are you sure?"));
    EXPECT_EQ(seen.title, QStringLiteral("Reset Confirmation"));
    EXPECT_EQ(seen.stayed_open, !c.escapes);
    EXPECT_EQ(seen.close_box, c.escapes);
  }
}

}  // namespace
