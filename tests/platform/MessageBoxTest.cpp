#include "platform/MessageBox.h"

#include <gtest/gtest.h>

// The hook is the only way a box reaches the user: an installed hook sees the
// exact text, caption and flags, and uninstalling it restores the default.
TEST(MessageBoxHook, InstalledHookReceivesBoxAndDefaultReturns) {
  std::string seen;
  platform::SetMessageBoxHook(
      [&](const std::string& text, const std::string& caption, unsigned flags) {
        seen = text + "|" + caption + "|" + std::to_string(flags);
        return platform::kIdNo;
      });
  const unsigned flags = platform::kMbYesNo | platform::kMbIconExclamation;
  EXPECT_EQ(platform::ShowMessageBox("100% sure?", "Question", flags), platform::kIdNo);
  EXPECT_EQ(seen, "100% sure?|Question|" + std::to_string(flags));

  platform::SetMessageBoxHook(nullptr);
  testing::internal::CaptureStderr();
  EXPECT_EQ(platform::ShowMessageBox("gone", "Error", platform::kMbIconStop), platform::kIdOk);
  EXPECT_NE(testing::internal::GetCapturedStderr().find("gone"), std::string::npos);
}
