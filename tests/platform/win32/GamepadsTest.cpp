#include "platform/Gamepads.h"

#include <gtest/gtest.h>

// DirectInput 8 starts without any pad attached (as under Wine), lists what is attached, and
// opens nothing for an instance that is not there.
TEST(Win32Gamepads, DirectInputWithoutPads) {
  platform::Gamepads& gamepads = platform::GetGamepads();
  ASSERT_FALSE(gamepads.Start());
  EXPECT_FALSE(gamepads.Start());
  const std::vector<platform::GamepadInfo> pads = gamepads.Enumerate();
  Guid absent;
  absent.data1 = 0x5A5A5A5A;
  absent.data4[7] = 0x42;
  EXPECT_EQ(gamepads.Open(absent, nullptr), nullptr);
  for (const platform::GamepadInfo& pad : pads) {
    std::unique_ptr<platform::Gamepad> gamepad = gamepads.Open(pad.instance, nullptr);
    ASSERT_NE(gamepad, nullptr) << pad.product_name;
    EXPECT_TRUE(gamepad->GetInstanceGuid() == pad.instance);
  }
}
