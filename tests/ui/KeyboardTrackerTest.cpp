#include "ui/KeyboardTracker.h"

#include <gtest/gtest.h>

#include "platform/Installed.h"

namespace {

std::uint8_t Read(unsigned virtual_key) {
  return platform::GetKeyboardState().Read()[virtual_key];
}

}  // namespace

// Presses set the high bit and flip the toggle once per press (not per
// repeat); releases and a lost keyboard clear only the high bit; codes outside
// the table change nothing. (Installing it is the seam test's.)
TEST(KeyboardTracker, PressRepeatReleaseAndToggle) {
  ui::KeyboardTracker keys;
  platform::Installed installed(keys, &platform::SetKeyboardState);
  const std::uint8_t toggled_before = Read(0x14) & platform::kKeyToggledBit;
  keys.Press(0x14);
  keys.Press(0x14);  // auto-repeat
  EXPECT_TRUE(Read(0x14) & platform::kKeyDownBit);
  keys.Release(0x14);
  EXPECT_FALSE(Read(0x14) & platform::kKeyDownBit);
  EXPECT_NE(Read(0x14) & platform::kKeyToggledBit, toggled_before);

  keys.Press(0x41);
  keys.Press(0);
  keys.Press(256);
  EXPECT_TRUE(Read(0x41) & platform::kKeyDownBit);
  EXPECT_EQ(Read(0), 0);
  keys.ReleaseAll();
  EXPECT_FALSE(Read(0x41) & platform::kKeyDownBit);
}
