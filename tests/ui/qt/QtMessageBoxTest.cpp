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

struct SeenBox {
  QMessageBox::Icon icon = QMessageBox::NoIcon;
  QString text;
  QString title;
  std::vector<QMessageBox::StandardButton> buttons;
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
        for (QAbstractButton* button : box->buttons()) {
          seen.buttons.push_back(box->standardButton(button));
        }
        seen.default_button = box->standardButton(box->defaultButton());
        if (answer == QMessageBox::NoButton) {
          QTest::keyClick(box, Qt::Key_Escape);
        } else {
          box->button(answer)->click();
        }
      },
      10);
}

bool Has(const SeenBox& seen, QMessageBox::StandardButton button) {
  return std::find(seen.buttons.begin(), seen.buttons.end(), button) != seen.buttons.end();
}

// A box shows the icon and buttons of its flags and returns the Windows
// result of the button pressed; Escape answers No for Yes/No and OK for OK.
TEST(QtMessageBox, IconsButtonsAndResults) {
  qttest::EnsureApplication();
  SeenBox yes_no;
  AnswerNextBox(yes_no, QMessageBox::No);
  EXPECT_EQ(ui::qt::ShowQtMessageBox(nullptr, "Are you sure?", "Reset Confirmation",
                                     platform::kMbYesNo | platform::kMbIconExclamation),
            platform::kIdNo);
  EXPECT_EQ(yes_no.icon, QMessageBox::Warning);
  EXPECT_EQ(yes_no.text, QStringLiteral("Are you sure?"));
  EXPECT_EQ(yes_no.title, QStringLiteral("Reset Confirmation"));
  EXPECT_EQ(yes_no.buttons.size(), 2u);
  EXPECT_TRUE(Has(yes_no, QMessageBox::Yes));
  EXPECT_TRUE(Has(yes_no, QMessageBox::No));
  EXPECT_EQ(yes_no.default_button, QMessageBox::Yes);

  SeenBox yes;
  AnswerNextBox(yes, QMessageBox::Yes);
  EXPECT_EQ(ui::qt::ShowQtMessageBox(nullptr, "x", "y", platform::kMbYesNo | platform::kMbIconStop),
            platform::kIdYes);
  EXPECT_EQ(yes.icon, QMessageBox::Critical);

  SeenBox escaped_yes_no;
  AnswerNextBox(escaped_yes_no, QMessageBox::NoButton);
  EXPECT_EQ(ui::qt::ShowQtMessageBox(nullptr, "x", "y", platform::kMbYesNo), platform::kIdNo);

  SeenBox ok;
  AnswerNextBox(ok, QMessageBox::NoButton);
  EXPECT_EQ(ui::qt::ShowQtMessageBox(nullptr, "Failed", "Zarvex Error",
                                     platform::kMbOk | platform::kMbIconStop),
            platform::kIdOk);
  EXPECT_EQ(ok.buttons, std::vector<QMessageBox::StandardButton>{QMessageBox::Ok});
  EXPECT_EQ(ok.icon, QMessageBox::Critical);

  SeenBox ok_cancel;
  AnswerNextBox(ok_cancel, QMessageBox::Cancel);
  EXPECT_EQ(ui::qt::ShowQtMessageBox(nullptr, "x", "y",
                                     platform::kMbOkCancel | platform::kMbIconInformation),
            platform::kIdCancel);
  EXPECT_EQ(ok_cancel.icon, QMessageBox::Information);
}

// While the backend exists, the platform layer's boxes (the engine's hard
// errors) are real Qt boxes; destroying it restores the hook from before.
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
    EXPECT_EQ(earlier_hook_calls, 0);

    // A box asked for from a dialog's code also goes through the backend.
    SeenBox from_backend;
    AnswerNextBox(from_backend, QMessageBox::Yes);
    EXPECT_EQ(backend.ShowMessageBox(nullptr, "Q", "T", platform::kMbYesNo), platform::kIdYes);
    EXPECT_EQ(from_backend.title, QStringLiteral("T"));
  }
  EXPECT_EQ(platform::ShowMessageBox("later", "Error", platform::kMbIconStop), platform::kIdOk);
  EXPECT_EQ(earlier_hook_calls, 1);
  platform::SetMessageBoxHook(nullptr);
}

}  // namespace
