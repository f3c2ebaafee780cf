#include "ui/qt/QtMessageBox.h"

#include <QMessageBox>
#include <QPushButton>

#include "QtTestSupport.h"
#include "platform/MessageBox.h"

namespace {

struct SeenBox {
  QMessageBox::Icon icon = QMessageBox::NoIcon;
  QString text, title;
  QMessageBox::StandardButtons buttons;
  QMessageBox::StandardButton default_button = QMessageBox::NoButton;
};

// Answers the next message box: records it, then presses `answer` (NoButton: Escape).
void AnswerNextBox(SeenBox& seen, QMessageBox::StandardButton answer) {
  qttest::Later(
      [&seen, answer] {
        auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
        ASSERT_NE(box, nullptr);
        seen = {box->icon(), box->text(), box->windowTitle(), box->standardButtons(),
                box->standardButton(box->defaultButton())};
        answer == QMessageBox::NoButton ? QTest::keyClick(box, Qt::Key_Escape)
                                        : box->button(answer)->click();
      },
      10);
}

// A box shows the icon and buttons of its flags and returns the Windows
// result of the button pressed; Escape answers No for Yes/No and OK for OK.
// While the backend exists, the platform layer's boxes (the engine's hard
// errors) are Qt boxes too; destroying it restores the hook from before.
TEST(QtMessageBox, IconsButtonsResultsAndPlatformHook) {
  using namespace platform;
  using M = QMessageBox;
  qttest::EnsureApplication();
  const struct {
    unsigned flags;
    M::StandardButton answer;  // NoButton: Escape
    int result;
    M::Icon icon;
    M::StandardButtons buttons;  // the first in Windows order is the default
  } cases[] = {
      {kMbYesNo | kMbIconExclamation, M::No, kIdNo, M::Warning, M::Yes | M::No},
      {kMbYesNo | kMbIconStop, M::Yes, kIdYes, M::Critical, M::Yes | M::No},
      {kMbYesNo, M::NoButton, kIdNo, M::NoIcon, M::Yes | M::No},
      {kMbOk | kMbIconStop, M::NoButton, kIdOk, M::Critical, M::Ok},
      {kMbOkCancel | kMbIconInformation, M::Cancel, kIdCancel, M::Information, M::Ok | M::Cancel},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(testing::Message() << "flags 0x" << std::hex << c.flags);
    SeenBox seen;
    AnswerNextBox(seen, c.answer);
    EXPECT_EQ(ui::qt::ShowQtMessageBox(nullptr, "Are you sure?", "Reset Confirmation", c.flags),
              c.result);
    EXPECT_EQ(seen.icon, c.icon);
    EXPECT_EQ(seen.buttons, c.buttons);
    EXPECT_EQ(seen.default_button, c.buttons & M::Yes ? M::Yes : M::Ok);
    EXPECT_EQ(seen.text, QStringLiteral("Are you sure?"));
    EXPECT_EQ(seen.title, QStringLiteral("Reset Confirmation"));
  }

  int earlier_hook_calls = 0;
  SetMessageBoxHook([&](const std::string&, const std::string&, unsigned) {
    ++earlier_hook_calls;
    return kIdOk;
  });
  {
    ui::qt::QtDialogBackend backend;
    SeenBox hard_error;
    AnswerNextBox(hard_error, M::Ok);
    EXPECT_EQ(ShowMessageBox("Closing a closed file", "Error", kMbIconStop), kIdOk);
    EXPECT_EQ(hard_error.text, QStringLiteral("Closing a closed file"));
    EXPECT_EQ(earlier_hook_calls, 0);
  }
  EXPECT_EQ(ShowMessageBox("later", "Error", kMbIconStop), kIdOk);
  EXPECT_EQ(earlier_hook_calls, 1);
  SetMessageBoxHook(nullptr);
}

}  // namespace
