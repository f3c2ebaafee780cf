#include "ui/qt/VirtualKeyMap.h"

#include "QtTestSupport.h"
#include "platform/KeyboardState.h"
#include "platform/MessageBox.h"
#include "ui/KeyMessage.h"

namespace {

using ui::qt::KeypadKey;

// Bindable keys get their Windows codes: numeric-pad keys apart from their
// twins, shifted symbols name their key, the pad without Num Lock navigates,
// unknown keys none; X11 key positions for the digit row, punctuation, the
// sided Shift and Control keys and the Windows keys.
TEST(VirtualKeyMap, RepresentativeRowsAndEdges) {
  const KeypadKey no = KeypadKey::kNo, pad = KeypadKey::kYes;
  const std::tuple<int, KeypadKey, unsigned> rows[] = {
      {Qt::Key_Return, no, 0x0D},  {Qt::Key_Enter, pad, 0x0D}, {Qt::Key_0, no, 0x30},
      {Qt::Key_Z, no, 0x5A},       {Qt::Key_9, pad, 0x69},     {Qt::Key_Minus, pad, 0x6D},
      {Qt::Key_Minus, no, 0xBD},   {Qt::Key_F12, no, 0x7B},    {Qt::Key_Exclam, no, 0x31},
      {Qt::Key_Insert, pad, 0x2D}, {Qt::Key_Clear, pad, 0x0C}, {Qt::Key_VolumeUp, no, 0},
  };
  for (const auto& [key, keypad, code] : rows) {
    EXPECT_EQ(ui::qt::VirtualKeyFromQtKey(key, keypad), code)
        << "Qt key 0x" << std::hex << key << (keypad == pad ? " on the pad" : "");
  }
  const unsigned by_position[][2] = {{10, 0x31},  {61, 0xBF},  {50, 0xA0},
                                     {105, 0xA3}, {134, 0x5C}, {38, 0}};
  for (const auto& [keycode, code] : by_position) {
    EXPECT_EQ(ui::qt::VirtualKeyFromXkbKeycode(keycode), code) << "keycode " << keycode;
  }
  EXPECT_EQ(ui::qt::GenericVirtualKey(0xA1), 0x10u);
  EXPECT_EQ(ui::qt::GenericVirtualKey(0x41), 0x41u);
}

bool Down(unsigned code) {
  platform::KeyboardStateBytes state{};
  platform::GetKeyboardState(state);
  return (state[code] & platform::kKeyDownBit) != 0;
}

using KeyboardTrackingTest = qttest::BackendTest;

// The key filter sees key down, character and key up first and may swallow
// them: a swallowed Escape, Enter or F1 does nothing, yet the keyboard state
// follows every key (pad keys apart from their twins, Shift as itself, releases
// clear).
TEST_F(KeyboardTrackingTest, KeyFilterAndKeyboardState) {
  using ui::KeyMessageKind;
  platform::ReleaseAllKeys();
  qttest::TestDialog dialog;
  std::vector<ui::KeyMessage> seen;
  bool swallow = true;
  dialog.key_filter = [&](const ui::KeyMessage& message) {
    seen.push_back(message);
    return swallow;
  };
  int help = 0, default_clicks = 0;
  dialog.on_help = [&] { ++help; };
  dialog.MapCommand(qttest::kSampleDefault, ui::Notification::kClicked, [&] { ++default_clicks; });
  dialog.on_open = [&](qttest::TestDialog& d) {
    QWindow* window = d.Handle();
    QTest::keyPress(window, Qt::Key_Escape);
    EXPECT_TRUE(Down(0x1B));
    QTest::keyRelease(window, Qt::Key_Escape);
    QTest::keyClick(window, Qt::Key_Return);
    QTest::keyClick(window, Qt::Key_F1);
    QTest::keyClick(window, Qt::Key_A, Qt::AltModifier);
    QTest::keyPress(window, Qt::Key_8, Qt::KeypadModifier);
    EXPECT_TRUE(Down(0x68) && !Down(0x38));
    QTest::keyPress(window, Qt::Key_8);
    QTest::keyRelease(window, Qt::Key_8, Qt::KeypadModifier);
    EXPECT_TRUE(!Down(0x68) && Down(0x38));
    QTest::keyRelease(window, Qt::Key_8);
    QTest::keyPress(window, Qt::Key_Shift);
    QTest::keyPress(window, Qt::Key_Exclam, Qt::ShiftModifier);
    EXPECT_TRUE(Down(0x10) && Down(0x31));
    QTest::keyRelease(window, Qt::Key_Exclam, Qt::ShiftModifier);
    QTest::keyRelease(window, Qt::Key_Shift);
    EXPECT_FALSE(Down(0x10) || Down(0x31) || Down(0x38));
    EXPECT_TRUE(d.IsOpen());
    swallow = false;
    QTest::keyClick(window, Qt::Key_F1);
    QTest::keyClick(window, Qt::Key_Escape);
  };
  EXPECT_EQ(dialog.DoModal(), platform::kIdCancel);
  EXPECT_EQ(help, 1);
  EXPECT_EQ(default_clicks, 0);
  EXPECT_EQ(dialog.cancel_count, 1);
  ASSERT_GE(seen.size(), 3u);
  EXPECT_EQ(std::tuple(seen[0].kind, seen[0].code, seen[1].kind, seen[2].code),
            std::tuple(KeyMessageKind::kKeyDown, 0x1Bu, KeyMessageKind::kKeyUp, 0x0Du));
  bool saw_system_key = false;
  std::vector<unsigned> characters;
  for (const ui::KeyMessage& message : seen) {
    saw_system_key |= message.kind == KeyMessageKind::kSysKeyDown && message.code == 0x41;
    if (message.kind == KeyMessageKind::kChar) characters.push_back(message.code);
  }
  EXPECT_TRUE(saw_system_key);
  // A swallowed key down makes no character; the last Escape made one.
  EXPECT_EQ(characters, std::vector<unsigned>{0x1B});
}

}  // namespace
