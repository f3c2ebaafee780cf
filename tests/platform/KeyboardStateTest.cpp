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
// repeat); releases and a lost keyboard clear only the high bit; codes outside
// the table change nothing; a hook overrides the state while installed.
TEST(KeyboardState, PressRepeatReleaseToggleAndHook) {
  using platform::KeyTransition;
  platform::ReleaseAllKeys();
  const std::uint8_t toggled_before = Read(0x14) & platform::kKeyToggledBit;
  platform::UpdateKeyboardState(0x14, KeyTransition::kDown);
  platform::UpdateKeyboardState(0x14, KeyTransition::kDown);  // auto-repeat
  EXPECT_TRUE(Read(0x14) & platform::kKeyDownBit);
  platform::UpdateKeyboardState(0x14, KeyTransition::kUp);
  EXPECT_FALSE(Read(0x14) & platform::kKeyDownBit);
  EXPECT_NE(Read(0x14) & platform::kKeyToggledBit, toggled_before);

  platform::UpdateKeyboardState(0x41, KeyTransition::kDown);
  platform::UpdateKeyboardState(0, KeyTransition::kDown);
  platform::UpdateKeyboardState(256, KeyTransition::kDown);
  EXPECT_TRUE(Read(0x41) & platform::kKeyDownBit);
  EXPECT_EQ(Read(0), 0);
  platform::ReleaseAllKeys();
  EXPECT_FALSE(Read(0x41) & platform::kKeyDownBit);

  platform::UpdateKeyboardState(0x20, KeyTransition::kDown);
  auto previous = platform::SetKeyboardStateHook(
      [](platform::KeyboardStateBytes& state) { state[0x1B] = platform::kKeyDownBit; });
  EXPECT_TRUE(Read(0x1B) & platform::kKeyDownBit);
  EXPECT_FALSE(Read(0x20) & platform::kKeyDownBit);
  platform::SetKeyboardStateHook(std::move(previous));
  EXPECT_FALSE(Read(0x1B) & platform::kKeyDownBit);
  EXPECT_TRUE(Read(0x20) & platform::kKeyDownBit);
  platform::ReleaseAllKeys();
}
