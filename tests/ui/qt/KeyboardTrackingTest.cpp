#include "ui/qt/VirtualKeyMap.h"

#include <gtest/gtest.h>

#include <QTest>
#include <QWindow>

#include "QtTestSupport.h"
#include "platform/KeyboardState.h"
#include "platform/MessageBox.h"
#include "ui/KeyMessage.h"
#include "ui/qt/QtDialogBackend.h"
#include "ui/qt/QtDialogWindow.h"

namespace {

using ui::qt::KeypadKey;

// Bindable keys get their Windows codes: numeric-pad keys apart from their
// twins, shifted symbols name their key, the pad without Num Lock navigates.
TEST(VirtualKeyMap, BindableKeysAndTwins) {
  const KeypadKey no = KeypadKey::kNo;
  const KeypadKey pad = KeypadKey::kYes;
  const struct {
    int key;
    KeypadKey keypad;
    unsigned code;
  } rows[] = {
      {Qt::Key_Return, no, 0x0D},  {Qt::Key_Enter, pad, 0x0D},    {Qt::Key_Backtab, no, 0x09},
      {Qt::Key_Shift, no, 0x10},   {Qt::Key_Control, no, 0x11},   {Qt::Key_PageUp, no, 0x21},
      {Qt::Key_Left, no, 0x25},    {Qt::Key_0, no, 0x30},         {Qt::Key_Z, no, 0x5A},
      {Qt::Key_9, pad, 0x69},      {Qt::Key_Minus, pad, 0x6D},    {Qt::Key_Minus, no, 0xBD},
      {Qt::Key_Period, pad, 0x6E}, {Qt::Key_Period, no, 0xBE},    {Qt::Key_Slash, pad, 0x6F},
      {Qt::Key_F12, no, 0x7B},     {Qt::Key_Semicolon, no, 0xBA}, {Qt::Key_QuoteLeft, no, 0xC0},
      {Qt::Key_Exclam, no, 0x31},  {Qt::Key_Plus, no, 0xBB},      {Qt::Key_Insert, pad, 0x2D},
      {Qt::Key_Clear, pad, 0x0C},  {Qt::Key_VolumeUp, no, 0},
  };
  for (const auto& row : rows) {
    EXPECT_EQ(ui::qt::VirtualKeyFromQtKey(row.key, row.keypad), row.code)
        << "Qt key 0x" << std::hex << row.key << (row.keypad == pad ? " on the pad" : "");
  }
  // Key positions of X11/Wayland: the digit row and punctuation by place,
  // the two Shift and Control keys by side; letters follow the layout.
  const unsigned by_position[][2] = {{10, 0x31}, {19, 0x30}, {61, 0xBF},  {50, 0xA0},
                                     {62, 0xA1}, {37, 0xA2}, {105, 0xA3}, {38, 0}};
  for (const auto& [keycode, code] : by_position) {
    EXPECT_EQ(ui::qt::VirtualKeyFromXkbKeycode(keycode), code) << "keycode " << keycode;
  }
  EXPECT_EQ(ui::qt::GenericVirtualKey(0xA1), 0x10u);
  EXPECT_EQ(ui::qt::GenericVirtualKey(0xA3), 0x11u);
  EXPECT_EQ(ui::qt::GenericVirtualKey(0x41), 0x41u);
}

// No key is held before or after each test.
class KeyboardTrackingTest : public qttest::BackendTest {
 protected:
  KeyboardTrackingTest() { platform::ReleaseAllKeys(); }
  ~KeyboardTrackingTest() override { platform::ReleaseAllKeys(); }

  static bool Down(unsigned code) {
    platform::KeyboardStateBytes state{};
    platform::GetKeyboardState(state);
    return (state[code] & platform::kKeyDownBit) != 0;
  }
};

// Key events the application receives update the keyboard state: pad keys
// apart from their twins, Shift and Control as themselves, releases clear.
TEST_F(KeyboardTrackingTest, KeyEventsUpdateState) {
  qttest::TestDialog dialog(500);
  dialog.on_open = [](qttest::TestDialog& d) {
    QWindow* window = d.Handle();
    QTest::keyPress(window, Qt::Key_8, Qt::KeypadModifier);
    EXPECT_TRUE(Down(0x68));
    EXPECT_FALSE(Down(0x38));
    QTest::keyPress(window, Qt::Key_8);
    EXPECT_TRUE(Down(0x38));
    QTest::keyRelease(window, Qt::Key_8, Qt::KeypadModifier);
    EXPECT_FALSE(Down(0x68));
    EXPECT_TRUE(Down(0x38));
    QTest::keyRelease(window, Qt::Key_8);
    EXPECT_FALSE(Down(0x38));

    const auto both = Qt::ShiftModifier | Qt::ControlModifier;
    QTest::keyPress(window, Qt::Key_Shift);
    QTest::keyPress(window, Qt::Key_Control, Qt::ShiftModifier);
    QTest::keyPress(window, Qt::Key_Exclam, both);
    EXPECT_TRUE(Down(0x10) && Down(0x11) && Down(0x31));
    EXPECT_EQ(d.GetKeyboardState()[0x31] & 0x80, 0x80);
    QTest::keyRelease(window, Qt::Key_Exclam, both);
    QTest::keyRelease(window, Qt::Key_Control, Qt::ShiftModifier);
    QTest::keyRelease(window, Qt::Key_Shift);
    EXPECT_FALSE(Down(0x10) || Down(0x11) || Down(0x31));

    QTest::keyPress(window, Qt::Key_Enter, Qt::KeypadModifier);
    EXPECT_TRUE(Down(0x0D));
    d.EndDialog(platform::kIdOk);
  };
  EXPECT_EQ(dialog.DoModal(), platform::kIdOk);
}

// The key filter sees key down, character and key up first and may swallow
// them: a swallowed Escape, Enter or F1 does nothing, yet the state is kept.
TEST_F(KeyboardTrackingTest, KeyFilterSeesMessagesFirstAndMaySwallow) {
  using ui::KeyMessageKind;
  qttest::TestDialog dialog(500);
  std::vector<ui::KeyMessage> seen;
  bool swallow = true;
  dialog.key_filter = [&](const ui::KeyMessage& message) {
    seen.push_back(message);
    return swallow;
  };
  int help = 0;
  int default_clicks = 0;
  dialog.on_help = [&] { ++help; };
  dialog.MapCommand(qttest::kSampleDefault, ui::Notification::kClicked, [&] { ++default_clicks; });
  bool escape_was_down = false;
  dialog.on_open = [&](qttest::TestDialog& d) {
    QWindow* window = d.Handle();
    QTest::keyPress(window, Qt::Key_Escape);
    escape_was_down = Down(0x1B);
    QTest::keyRelease(window, Qt::Key_Escape);
    QTest::keyClick(window, Qt::Key_Return);
    QTest::keyClick(window, Qt::Key_F1);
    QTest::keyClick(window, Qt::Key_A, Qt::AltModifier);
    EXPECT_TRUE(d.IsOpen());
    swallow = false;
    QTest::keyClick(window, Qt::Key_F1);
    QTest::keyClick(window, Qt::Key_Escape);
  };
  EXPECT_EQ(dialog.DoModal(), platform::kIdCancel);
  EXPECT_TRUE(escape_was_down);
  EXPECT_EQ(help, 1);
  EXPECT_EQ(default_clicks, 0);
  EXPECT_EQ(dialog.cancel_count, 1);

  ASSERT_GE(seen.size(), 3u);
  EXPECT_TRUE(seen[0].kind == KeyMessageKind::kKeyDown && seen[0].code == 0x1B);
  EXPECT_TRUE(seen[1].kind == KeyMessageKind::kKeyUp && seen[1].code == 0x1B);
  EXPECT_TRUE(seen[2].kind == KeyMessageKind::kKeyDown && seen[2].code == 0x0D);
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
