#include "ui/qt/QtMessageBox.h"

#include <gtest/gtest.h>

#include <QAbstractButton>
#include <QApplication>
#include <QMessageBox>
#include <QPushButton>
#include <QTest>

#include "QtTestSupport.h"
#include "platform/MessageBox.h"
#include "ui/qt/QtDialogBackend.h"

namespace {

using Buttons = std::vector<QMessageBox::StandardButton>;

struct SeenBox {
  QMessageBox::Icon icon = QMessageBox::NoIcon;
  QString text, title;
  Buttons buttons;
  QMessageBox::StandardButton default_button = QMessageBox::NoButton;
};

// Answers the next message box: records it, then presses `answer` (or, with
// NoButton, Escape).
void AnswerNextBox(SeenBox& seen, QMessageBox::StandardButton answer) {
  qttest::Later(
      [&seen, answer] {
        auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
        ASSERT_NE(box, nullptr);
        seen.icon = box->icon();
        seen.text = box->text();
        seen.title = box->windowTitle();
        seen.default_button = box->standardButton(box->defaultButton());
        for (QAbstractButton* button : box->buttons())
          seen.buttons.push_back(box->standardButton(button));
        std::sort(seen.buttons.begin(), seen.buttons.end());
        if (answer == QMessageBox::NoButton) {
          QTest::keyClick(box, Qt::Key_Escape);
        } else {
          box->button(answer)->click();
        }
      },
      10);
}

// A box shows the icon and buttons of its flags and returns the Windows
// result of the button pressed; Escape answers No for Yes/No and OK for OK.
TEST(QtMessageBox, IconsButtonsAndResults) {
  qttest::EnsureApplication();
  // Buttons in Windows order, which is also the order of their Qt values.
  const Buttons yes_no{QMessageBox::Yes, QMessageBox::No};
  const Buttons ok_cancel{QMessageBox::Ok, QMessageBox::Cancel}, ok{QMessageBox::Ok};
  const struct {
    unsigned flags;
    QMessageBox::StandardButton answer;  // NoButton: Escape
    int result;
    QMessageBox::Icon icon;
    Buttons buttons;
  } cases[] = {
      {platform::kMbYesNo | platform::kMbIconExclamation, QMessageBox::No, platform::kIdNo,
       QMessageBox::Warning, yes_no},
      {platform::kMbYesNo | platform::kMbIconStop, QMessageBox::Yes, platform::kIdYes,
       QMessageBox::Critical, yes_no},
      {platform::kMbYesNo, QMessageBox::NoButton, platform::kIdNo, QMessageBox::NoIcon, yes_no},
      {platform::kMbOk | platform::kMbIconStop, QMessageBox::NoButton, platform::kIdOk,
       QMessageBox::Critical, ok},
      {platform::kMbOkCancel | platform::kMbIconInformation, QMessageBox::Cancel,
       platform::kIdCancel, QMessageBox::Information, ok_cancel},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(testing::Message() << "flags 0x" << std::hex << c.flags);
    SeenBox seen;
    AnswerNextBox(seen, c.answer);
    EXPECT_EQ(ui::qt::ShowQtMessageBox(nullptr, "Are you sure?", "Reset Confirmation", c.flags),
              c.result);
    EXPECT_EQ(seen.icon, c.icon);
    EXPECT_EQ(seen.buttons, c.buttons);
    EXPECT_EQ(seen.default_button, c.buttons.front());
    EXPECT_EQ(seen.text, QStringLiteral("Are you sure?"));
    EXPECT_EQ(seen.title, QStringLiteral("Reset Confirmation"));
  }
}

// While the backend exists, the platform layer's boxes (the engine's hard
// errors) and the backend's own are real Qt boxes; destroying it restores the
// hook from before.
TEST(QtMessageBox, BackendInstallsAndRestoresPlatformHook) {
  qttest::EnsureApplication();
  int earlier_hook_calls = 0;
  platform::SetMessageBoxHook([&](const std::string&, const std::string&, unsigned) {
    ++earlier_hook_calls;
    return platform::kIdOk;
  });
  {
    ui::qt::QtDialogBackend backend;
    SeenBox hard_error;
    AnswerNextBox(hard_error, QMessageBox::Ok);
    EXPECT_EQ(platform::ShowMessageBox("Closing a closed file", "Error", platform::kMbIconStop),
              platform::kIdOk);
    EXPECT_EQ(hard_error.title, QStringLiteral("Error"));
    EXPECT_EQ(hard_error.text, QStringLiteral("Closing a closed file"));
    SeenBox from_backend;
    AnswerNextBox(from_backend, QMessageBox::Yes);
    EXPECT_EQ(backend.ShowMessageBox(nullptr, "Q", "T", platform::kMbYesNo), platform::kIdYes);
    EXPECT_EQ(from_backend.title, QStringLiteral("T"));
    EXPECT_EQ(earlier_hook_calls, 0);
  }
  EXPECT_EQ(platform::ShowMessageBox("later", "Error", platform::kMbIconStop), platform::kIdOk);
  EXPECT_EQ(earlier_hook_calls, 1);
  platform::SetMessageBoxHook(nullptr);
}

}  // namespace
