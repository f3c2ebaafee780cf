#include "platform/Gamepads.h"

#include <gtest/gtest.h>

#include <SDL.h>

#include <string>
#include <vector>

#include "support/VirtualPad.h"

namespace {

using test::VirtualPad;

constexpr Guid kKeyboardGuid{
    0xA4565428, 0x396B, 0x2537, {0x1B, 0x5D, 0x38, 0x18, 0x36, 0x0B, 0xAA, 0xDD}};

// Runs on the real backend. Real pads may be attached too, so every check
// looks only at the virtual pads by their names.
class GamepadsTest : public ::testing::Test {
 protected:
  void SetUp() override {
    const auto error = gamepads.Start();
    ASSERT_FALSE(error) << error->text;
  }

  std::vector<platform::GamepadInfo> Named(const std::string& name) {
    std::vector<platform::GamepadInfo> found;
    for (const auto& info : gamepads.Enumerate()) {
      if (info.product_name == name) found.push_back(info);
    }
    return found;
  }

  platform::Gamepads& gamepads = platform::RealGamepads();
};

std::vector<std::uint8_t> Buttons(const platform::GamepadState& state) {
  return {state.buttons.begin(), state.buttons.end()};
}

std::vector<std::uint8_t> Pressed(std::size_t button) {
  std::vector<std::uint8_t> buttons(platform::kGamepadButtonCount, 0);
  buttons.at(button) = platform::kGamepadButtonDownBit;
  return buttons;
}

}  // namespace

// A game controller is listed by its name and read: buttons with the high bit,
// axes scaled to -100..100; a pad with fewer controls reads the rest as up and
// centred. Joysticks that SDL does not class as game controllers are left out.
TEST_F(GamepadsTest, ListsAndReadsGameControllersOnly) {
  VirtualPad pad("QvTest Reading Pad");
  VirtualPad small("QvTest Button Pad", SDL_JOYSTICK_TYPE_GAMECONTROLLER, 0, 2);
  VirtualPad wheel("QvTest Wheel", SDL_JOYSTICK_TYPE_WHEEL, 3, 4);
  VirtualPad stick("QvTest Stick", SDL_JOYSTICK_TYPE_UNKNOWN, 2, 4);
  ASSERT_TRUE(pad.Plugged() && small.Plugged() && wheel.Plugged() && stick.Plugged())
      << SDL_GetError();
  EXPECT_TRUE(Named("QvTest Wheel").empty());
  EXPECT_TRUE(Named("QvTest Stick").empty());
  // Pad, button pressed, axes set (-1: left alone), and the reading.
  const struct {
    VirtualPad* pad;
    const char* name;
    int button, axis_x, axis_y, x, y;
  } readings[] = {
      {&pad, "QvTest Reading Pad", 3, -32768, 16384, -100, 50},
      {&pad, "QvTest Reading Pad", 14, 32767, 0, 100, 0},
      {&small, "QvTest Button Pad", 1, -1, -1, 0, 0},
  };
  for (const auto& r : readings) {
    SCOPED_TRACE(testing::Message() << r.name << ", button " << r.button);
    const auto listed = Named(r.name);
    ASSERT_EQ(listed.size(), 1u);
    const auto opened = gamepads.Open(listed[0].instance, nullptr);
    ASSERT_NE(opened, nullptr);
    EXPECT_EQ(opened->GetInstanceGuid(), listed[0].instance);
    for (int button = 0; button < 15; ++button) r.pad->SetButton(button, button == r.button);
    if (r.axis_x != -1) r.pad->SetAxis(0, r.axis_x), r.pad->SetAxis(1, r.axis_y);
    ASSERT_TRUE(opened->Acquire() && opened->Poll());
    const auto state = opened->ReadState();
    ASSERT_TRUE(state);
    EXPECT_EQ(Buttons(*state), Pressed(r.button));
    EXPECT_EQ(std::pair(state->x, state->y), std::pair(r.x, r.y));
    opened->Unacquire();
  }
}

// Identical pads get GUIDs of their own that the next enumerations keep, a pad
// plugged in later is found by the next call, and each GUID opens its own pad.
TEST_F(GamepadsTest, IdenticalPadsKeepDistinctGuids) {
  VirtualPad first("QvTest Twin");
  VirtualPad second("QvTest Twin");
  ASSERT_TRUE(first.Plugged() && second.Plugged());
  const auto before = Named("QvTest Twin");
  ASSERT_EQ(before.size(), 2u);
  EXPECT_NE(before[0].instance, before[1].instance);
  for (const auto& info : before) {
    EXPECT_NE(info.instance, Guid{});
    EXPECT_NE(info.instance, kKeyboardGuid);
  }

  VirtualPad third("QvTest Twin");
  ASSERT_TRUE(third.Plugged());
  const auto after = Named("QvTest Twin");
  ASSERT_EQ(after.size(), 3u);
  EXPECT_EQ(after[0].instance, before[0].instance);
  EXPECT_EQ(after[1].instance, before[1].instance);
  EXPECT_NE(after[2].instance, before[0].instance);
  EXPECT_NE(after[2].instance, before[1].instance);

  second.SetButton(5, true);
  const auto opened_first = gamepads.Open(before[0].instance, nullptr);
  const auto opened_second = gamepads.Open(before[1].instance, nullptr);
  ASSERT_NE(opened_first, nullptr);
  ASSERT_NE(opened_second, nullptr);
  ASSERT_TRUE(opened_second->Poll());
  EXPECT_EQ(Buttons(*opened_second->ReadState()), Pressed(5));
  EXPECT_EQ(Buttons(*opened_first->ReadState()),
            std::vector<std::uint8_t>(platform::kGamepadButtonCount, 0));
}

// An unplugged pad fails every step of an object already open on it (so the
// capture window keeps waiting), and is neither listed nor opened any more.
TEST_F(GamepadsTest, UnpluggedPadFailsEveryStep) {
  VirtualPad pad("QvTest Unplugged Pad");
  ASSERT_TRUE(pad.Plugged());
  const auto listed = Named("QvTest Unplugged Pad");
  ASSERT_EQ(listed.size(), 1u);
  const auto opened = gamepads.Open(listed[0].instance, nullptr);
  ASSERT_NE(opened, nullptr);
  ASSERT_TRUE(opened->Poll());

  pad.Unplug();
  EXPECT_FALSE(opened->Acquire());
  EXPECT_FALSE(opened->Poll());
  EXPECT_FALSE(opened->ReadState());
  opened->Unacquire();
  EXPECT_EQ(gamepads.Open(listed[0].instance, nullptr), nullptr);
  EXPECT_TRUE(Named("QvTest Unplugged Pad").empty());
}
