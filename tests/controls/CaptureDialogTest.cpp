#include "ControlsFixture.h"
#include "controls/BindingCodes.h"
#include "ui/KeyMessage.h"

namespace {

using platform::kIdCancel;
using platform::kIdOk;
constexpr unsigned kTimer = CaptureDialog::kTimerId;
constexpr int kCapture = resources::kCaptureDialog;

using CaptureDialogTest = ControlsTest;

// The keyboard is read from the keyboard state on the 100 ms timer: the
// earliest key of the table wins, Escape and Return are captured instead of
// closing the window, and Cancel takes one last look.
TEST_F(CaptureDialogTest, Keyboard) {
  m_backend.In(kCapture).Run(
      [&] { EXPECT_EQ(m_backend.Window(kCapture).timers.at(kTimer), 100u); });
  m_backend.FireTimer(kTimer).HoldKey('A').HoldKey(ui::kVkShift).FireTimer(kTimer);
  EXPECT_EQ(Capture(KeyboardDeviceGuid), 0x10);
  EXPECT_EQ(m_capture_result, kIdOk);
  EXPECT_TRUE(m_backend.Window(kCapture).timers.empty());
  EXPECT_EQ(m_backend.Window(kCapture).owner_template_id, 0);
  m_backend.ReleaseAllKeys();

  m_backend.HoldKey(ui::kVkEscape).HoldKey(ui::kVkReturn).FireTimer(kTimer);
  EXPECT_EQ(Capture(KeyboardDeviceGuid), 0x0D);
  EXPECT_EQ(m_capture_result, kIdOk);
  m_backend.ReleaseAllKeys();

  m_backend.Click(kIdCancel);
  EXPECT_EQ(Capture(KeyboardDeviceGuid), kKeyNone);
  EXPECT_EQ(m_capture_result, kIdCancel);
  m_backend.HoldKey('Q').Click(kIdCancel);
  EXPECT_EQ(Capture(KeyboardDeviceGuid), 'Q');
  EXPECT_EQ(m_capture_result, kIdOk);
}

// A pad is read button first, then up/down, then left/right past the dead
// zone; one opened device serves every tick, opened for the capture window
// itself (the system ties the pad to it, whatever window is in front); an
// unplugged pad yields 19 until Cancel, as does a pad that was never there.
TEST_F(CaptureDialogTest, Gamepad) {
  const Guid pad = m_pads.Plug("Pad", 1);
  struct Row {
    std::vector<int> buttons;
    int x, y;
    std::int32_t code;
  };
  const Row rows[] = {{{2}, 0, -100, 2},          {{}, -50, 0, kPadLeft}, {{}, 30, -30, kPadUp},
                      {{}, 10, -10, kPadNoInput}, {{14}, 0, 11, 14},      {{}, 11, 0, kPadRight}};
  for (const Row& row : rows) {
    SCOPED_TRACE(row.code);
    platform::GamepadState& state = m_pads.At(pad).state;
    state = {};
    for (int button : row.buttons) state.buttons[button] = platform::kGamepadButtonDownBit;
    state.x = row.x, state.y = row.y;
    m_backend.FireTimer(kTimer);
    if (row.code == kPadNoInput) m_backend.Click(kIdCancel);
    EXPECT_EQ(Capture(pad), row.code);
  }

  m_pads.At(pad).state = {};
  const std::size_t opens = m_pads.readers.size();
  m_backend.FireTimer(kTimer).FireTimer(kTimer).Run([&] {
    ASSERT_EQ(m_pads.readers.size(), opens + 1);
    EXPECT_NE(m_pads.readers.back(), nullptr);
    EXPECT_EQ(m_pads.readers.back(), m_capture->GetWindow());
    m_pads.Unplug(pad);
  });
  m_backend.FireTimer(kTimer).FireTimer(kTimer).In(kCapture).Click(kIdCancel);
  EXPECT_EQ(Capture(pad), kPadNoInput);
  EXPECT_EQ(m_capture_result, kIdCancel);
  // The first tick, then each look after the pad was dropped.
  EXPECT_EQ(m_pads.readers.size() - opens, 3u);

  m_backend.FireTimer(kTimer).Click(kIdCancel);
  EXPECT_EQ(Capture(Guid{99, 0, 0, {}}), kPadNoInput);
}

// Without the gamepad system the window closes before it shows, even for
// the keyboard, and reports that it never watched.
TEST_F(CaptureDialogTest, NoGamepadSystem) {
  m_pads.start_error = platform::SystemError{0, "unavailable"};
  EXPECT_EQ(Capture(KeyboardDeviceGuid), kCaptureNotWatched);
  EXPECT_EQ(m_capture_result, kIdCancel);
}

}  // namespace
