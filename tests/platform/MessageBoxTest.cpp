#include "platform/MessageBox.h"

#include <gtest/gtest.h>

// The hook is the only way a box reaches the user: an installed hook sees the
// exact text, caption and flags, and uninstalling it restores the default.
TEST(MessageBoxHook, InstalledHookReceivesBoxAndDefaultReturns) {
  std::string seen_text, seen_caption;
  unsigned seen_flags = 0;
  platform::SetMessageBoxHook(
      [&](const std::string& text, const std::string& caption, unsigned flags) {
        seen_text = text;
        seen_caption = caption;
        seen_flags = flags;
        return platform::kIdNo;
      });
  EXPECT_EQ(platform::ShowMessageBox("100% sure?", "Question",
                                     platform::kMbYesNo | platform::kMbIconExclamation),
            platform::kIdNo);
  EXPECT_EQ(seen_text, "100% sure?");
  EXPECT_EQ(seen_caption, "Question");
  EXPECT_EQ(seen_flags, platform::kMbYesNo | platform::kMbIconExclamation);

  platform::SetMessageBoxHook(nullptr);
  testing::internal::CaptureStderr();
  EXPECT_EQ(platform::ShowMessageBox("gone", "Error", platform::kMbIconStop), platform::kIdOk);
  EXPECT_NE(testing::internal::GetCapturedStderr().find("gone"), std::string::npos);
}
