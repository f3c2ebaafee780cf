#include "ControlsFixture.h"
#include "controls/BindingCodes.h"
#include "controls/DeviceKind.h"
#include "controls/GameActions.h"

namespace {

using platform::kIdCancel;
using platform::kIdNo;
using platform::kIdOk;
using platform::kIdYes;
using namespace resources;
using A = GameAction;

constexpr int List(GameAction action) {
  return kControllerActionListBase + static_cast<int>(action);
}
constexpr int Assign(GameAction action) {
  return kControllerAssignBase + static_cast<int>(action);
}

using ControllerDialogTest = ControlsTest;

// Player 1's defaults: only the keyboard to choose, and
// each list offers "(none)" and the keys that no other action of its sets
// holds, with its own key selected.
TEST_F(ControllerDialogTest, OpensOnTheStoredBindings) {
  m_backend.Run([&] {
    const test::WindowState& window = Controller();
    EXPECT_EQ(Items(kControllerDeviceList), "Keyboard|");
    const std::string up = Items(List(A::UP));
    EXPECT_EQ(up.substr(0, 39), "(none)|Back Space|Tab|Caps Lock|Shift|C");
    for (const char* held : {"F1|", "|Return|", "Right Arrow", "Left Arrow", "Down Arrow", "ESC"}) {
      EXPECT_EQ(up.find(held), std::string::npos) << held;
    }
    EXPECT_EQ(window.Control(List(A::UP)).items.size(), 91u);
    EXPECT_EQ(Selected(List(A::UP)), "Up Arrow");
    EXPECT_NE(Items(List(A::ROTATERIGHT)).find("Up Arrow"), std::string::npos);
    EXPECT_EQ(Selected(List(A::HARDDROP)), "Space");
  });
  m_backend.PressKey(ui::kVkF1).Click(kIdCancel);
  EXPECT_EQ(Configure(0), kIdCancel);
}

// Taking a key another keyboard player holds asks about each of that
// player's bindings in key order; No refuses the key, Yes clears them on OK,
// Cancel drops the answers; "(none)" never conflicts.
TEST_F(ControllerDialogTest, PlayerConflicts) {
  const PlayerControls player1 = Player(0);
  m_backend.SelectText(List(A::HOLD), "Up Arrow").AnswerMessageBox(kIdNo);
  m_backend.Run([&] { EXPECT_EQ(Selected(List(A::HOLD)), "Numpad 1"); });
  m_backend.SelectText(List(A::ROTATELEFT), "(none)").Click(kIdOk);
  Configure(1);
  ASSERT_EQ(m_backend.MessageBoxes().size(), 1u);
  EXPECT_EQ(m_backend.MessageBoxes()[0].text,
            "The control you are attempting to set has already been set for Player 1 [ Rotate "
            "Right ].  Do you want to remove this control from Player 1?");
  EXPECT_EQ(m_backend.MessageBoxes()[0].caption, "Conflict Error");
  EXPECT_EQ(m_backend.MessageBoxes()[0].flags, platform::kMbYesNo | platform::kMbIconStop);
  EXPECT_EQ(Player(0), player1);
  EXPECT_EQ(Player(1)[A::HOLD], kDefaultPlayerControls[1][A::HOLD]);
  EXPECT_EQ(Player(1)[A::ROTATELEFT], kKeyNone);

  m_backend.SelectText(List(A::HOLD), "Up Arrow").AnswerMessageBox(kIdYes);
  m_backend.AnswerMessageBox(kIdYes).Click(kIdCancel);
  Configure(1);
  EXPECT_EQ(Player(0), player1);
  EXPECT_NE(m_backend.MessageBoxes()[2].text.find("[ Up ]"), std::string::npos);

  m_backend.SelectText(List(A::HOLD), "Up Arrow").AnswerMessageBox(kIdYes);
  m_backend.AnswerMessageBox(kIdYes).Click(kIdOk);
  Configure(1);
  EXPECT_EQ(Player(0)[A::UP], kKeyNone);
  EXPECT_EQ(Player(0)[A::ROTATERIGHT], kKeyNone);
  EXPECT_EQ(Player(0)[A::DOWN], player1[A::DOWN]);
  EXPECT_EQ(Player(1)[A::HOLD], 0x26);
}

// Assign captures a key on the chosen device: a key that a set of the action
// already holds is refused with its name and the holder's, one that another
// player holds goes through the same question, and no input changes nothing.
TEST_F(ControllerDialogTest, AssignThroughTheCaptureWindow) {
  const unsigned timer = CaptureDialog::kTimerId;
  m_backend.Click(Assign(A::SELECT)).In(kCaptureDialog).HoldKey(0x26).FireTimer(timer);
  m_backend.AnswerMessageBox(kIdOk).ReleaseKey(0x26);
  m_backend.Click(Assign(A::HARDDROP)).In(kCaptureDialog).HoldKey('Q').FireTimer(timer);
  m_backend.ReleaseKey('Q').Click(Assign(A::HOLD)).In(kCaptureDialog).Click(kIdCancel);
  m_backend.Click(Assign(A::ROTATELEFT)).In(kCaptureDialog).HoldKey(0x66).FireTimer(timer);
  m_backend.AnswerMessageBox(kIdNo).ReleaseKey(0x66);
  m_backend.Run([&] {
    EXPECT_EQ(Selected(List(A::HARDDROP)), "Q");
    EXPECT_EQ(Selected(List(A::ROTATELEFT)), "Control");
    EXPECT_EQ(Controller().focus, Assign(A::ROTATELEFT));
  });
  m_backend.Click(kIdOk);
  const PlayerControls before = Player(0);
  Configure(0);

  const auto& boxes = m_backend.MessageBoxes();
  ASSERT_EQ(boxes.size(), 2u);
  EXPECT_EQ(boxes[0].text, "Up Arrow is currently used by Up.  Please make another selection.  ");
  EXPECT_EQ(boxes[0].flags, platform::kMbOk | platform::kMbIconStop);
  EXPECT_EQ(boxes[0].owner_template_id, kControllerDialog);
  EXPECT_NE(boxes[1].text.find("Player 2 [ Right ]"), std::string::npos);
  PlayerControls expected = before;
  expected[A::HARDDROP] = 'Q';
  EXPECT_EQ(Player(0), expected);
  EXPECT_EQ(Player(1), kDefaultPlayerControls[1]);
}

// Pads: one another player uses is not offered; a stored pad that is not
// attached opens on the keyboard with the player's default keys; choosing a
// pad and OK makes a gamepad player; switching back and forth keeps the edits
// of both blocks; Restore brings back what the record holds.
TEST_F(ControllerDialogTest, Devices) {
  const Guid taken = m_pads.Plug("Taken Pad", 1);
  const Guid free_pad = m_pads.Plug("Free Pad", 2);
  Player(1) = kDefaultGamepadControls;
  Player(1).m_device = taken;
  Player(2).m_device = Guid{3, 0, 0, {}};  // not attached
  Player(2)[A::UP] = kPadDown;
  PlayerControls expected = Player(2);
  expected.m_device = free_pad;
  expected[A::UP] = 8;

  m_backend.Run([&] {
    EXPECT_EQ(Items(kControllerDeviceList), "Keyboard|Free Pad|");
    EXPECT_EQ(Selected(List(A::UP)), "(none)");
  });
  m_backend.SelectText(List(A::UP), "W").SelectText(kControllerDeviceList, "Free Pad");
  m_backend.Run([&] {
    // The stored pad's block, held codes left out of the other lists.
    EXPECT_EQ(Items(List(A::SELECT)).substr(0, 23), "Up|Right|Left|Button 2|");
    EXPECT_EQ(Selected(List(A::UP)), "Down");
  });
  m_backend.SelectText(List(A::UP), "Button 9").SelectText(kControllerDeviceList, "Keyboard");
  m_backend.Run([&] { EXPECT_EQ(Selected(List(A::UP)), "W"); });
  m_backend.SelectText(kControllerDeviceList, "Free Pad");
  m_backend.Run([&] { EXPECT_EQ(Selected(List(A::UP)), "Button 9"); });
  m_backend.Click(kIdOk);
  Configure(2);
  EXPECT_EQ(Player(2), expected);

  m_backend.Run([&] { EXPECT_EQ(Items(kControllerDeviceList), "Keyboard|Taken Pad|"); });
  m_backend.Run([&] { EXPECT_EQ(Selected(kControllerDeviceList), "Taken Pad"); });
  m_backend.SelectText(List(A::UP), "Button 9").Click(kControllerRestore);
  m_backend.Run([&] { EXPECT_EQ(Selected(List(A::UP)), "Up"); }).Click(kIdCancel);
  Configure(1);

  m_pads.start_error = platform::SystemError{0, "No joystick subsystem"};
  m_backend.AnswerMessageBox(kIdOk).Click(kIdOk);
  Configure(2);
  EXPECT_EQ(m_backend.MessageBoxes().back().text, "No joystick subsystem");
  EXPECT_EQ(m_backend.MessageBoxes().back().caption, "Zarvex Error");
  EXPECT_TRUE(IsKeyboard(Player(2).m_device));
  EXPECT_EQ(Player(2)[A::UP], kDefaultPlayerControls[2][A::UP]);
}

// Codes no table names (out of range, negative) show the first item and
// stay stored while the player edits other actions.
TEST_F(ControllerDialogTest, UnknownCodesSurvive) {
  Player(0)[A::UP] = 300;
  Player(0)[A::HOLD] = -5;
  const Guid pad = m_pads.Plug("Pad", 1);
  Player(1).m_device = pad;
  Player(1)[A::CANCEL] = -5;
  m_backend.Run([&] { EXPECT_EQ(Selected(List(A::UP)), "(none)"); });
  m_backend.SelectText(List(A::SELECT), "Tab").Click(kIdOk);
  Configure(0);
  m_backend.Run([&] { EXPECT_EQ(Selected(List(A::CANCEL)), "Up"); }).Click(kIdOk);
  Configure(1);
  EXPECT_EQ(Player(0)[A::UP], 300);
  EXPECT_EQ(Player(0)[A::HOLD], -5);
  EXPECT_EQ(Player(0)[A::SELECT], 0x09);
  EXPECT_EQ(Player(1)[A::CANCEL], -5);
  EXPECT_EQ(Player(1).m_device, pad);
}

}  // namespace
