#include "platform/KeyboardState.h"

#include <gtest/gtest.h>

namespace {

std::uint8_t Read(unsigned virtual_key) {
  platform::KeyboardStateBytes state{};
  EXPECT_TRUE(platform::GetKeyboardState(state));
  return state[virtual_key];
}

}  // namespace

// Presses set the high bit and flip the toggle once per press (not per
// repeat); releases and a lost keyboard clear only the high bit; a hook overrides.
TEST(KeyboardState, PressRepeatReleaseAndToggle) {
  using platform::KeyTransition;
  platform::ReleaseAllKeys();
  const std::uint8_t caps_before = Read(0x14);

  platform::UpdateKeyboardState(0x14, KeyTransition::kDown);
  platform::UpdateKeyboardState(0x14, KeyTransition::kDown);  // auto-repeat
  EXPECT_EQ(Read(0x14) & platform::kKeyDownBit, platform::kKeyDownBit);
  EXPECT_NE(Read(0x14) & platform::kKeyToggledBit, caps_before & platform::kKeyToggledBit);
  platform::UpdateKeyboardState(0x14, KeyTransition::kUp);
  EXPECT_EQ(Read(0x14) & platform::kKeyDownBit, 0);
  EXPECT_NE(Read(0x14) & platform::kKeyToggledBit, caps_before & platform::kKeyToggledBit);

  platform::UpdateKeyboardState(0x41, KeyTransition::kDown);
  platform::UpdateKeyboardState(0x10, KeyTransition::kDown);
  EXPECT_EQ(Read(0x41) & platform::kKeyDownBit, platform::kKeyDownBit);
  EXPECT_EQ(Read(0x42) & platform::kKeyDownBit, 0);
  platform::ReleaseAllKeys();
  EXPECT_EQ(Read(0x41) & platform::kKeyDownBit, 0);
  EXPECT_EQ(Read(0x10) & platform::kKeyDownBit, 0);

  // Codes outside the table change nothing and do not crash.
  platform::UpdateKeyboardState(0, KeyTransition::kDown);
  platform::UpdateKeyboardState(256, KeyTransition::kDown);
  EXPECT_EQ(Read(0), 0);

  // A hook replaces the tracked state while installed and hands it back after.
  platform::UpdateKeyboardState(0x20, KeyTransition::kDown);
  auto previous = platform::SetKeyboardStateHook(
      [](platform::KeyboardStateBytes& state) { state[0x1B] = platform::kKeyDownBit; });
  EXPECT_EQ(Read(0x1B), platform::kKeyDownBit);
  EXPECT_EQ(Read(0x20) & platform::kKeyDownBit, 0);
  platform::SetKeyboardStateHook(std::move(previous));
  EXPECT_EQ(Read(0x1B) & platform::kKeyDownBit, 0);
  EXPECT_EQ(Read(0x20) & platform::kKeyDownBit, platform::kKeyDownBit);
  platform::ReleaseAllKeys();
}
