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
using ui::qt::VirtualKeyFromQtKey;

// Every bindable key has its Windows code; the numeric-pad keys are told
// apart from their twins, and shifted symbols name their key.
TEST(VirtualKeyMap, BindableKeysAndTwins) {
  struct Row {
    int key;
    KeypadKey keypad;
    unsigned code;
  };
  const KeypadKey no = KeypadKey::kNo;
  const KeypadKey pad = KeypadKey::kYes;
  const Row rows[] = {
      {Qt::Key_Backspace, no, 0x08},
      {Qt::Key_Tab, no, 0x09},
      {Qt::Key_Backtab, no, 0x09},
      {Qt::Key_Return, no, 0x0D},
      {Qt::Key_Enter, pad, 0x0D},
      {Qt::Key_Shift, no, 0x10},
      {Qt::Key_Control, no, 0x11},
      {Qt::Key_Pause, no, 0x13},
      {Qt::Key_CapsLock, no, 0x14},
      {Qt::Key_Escape, no, 0x1B},
      {Qt::Key_Space, no, 0x20},
      {Qt::Key_PageUp, no, 0x21},
      {Qt::Key_PageDown, no, 0x22},
      {Qt::Key_End, no, 0x23},
      {Qt::Key_Home, no, 0x24},
      {Qt::Key_Left, no, 0x25},
      {Qt::Key_Up, no, 0x26},
      {Qt::Key_Right, no, 0x27},
      {Qt::Key_Down, no, 0x28},
      {Qt::Key_Print, no, 0x2C},
      {Qt::Key_Insert, no, 0x2D},
      {Qt::Key_Delete, no, 0x2E},
      {Qt::Key_0, no, 0x30},
      {Qt::Key_9, no, 0x39},
      {Qt::Key_A, no, 0x41},
      {Qt::Key_Z, no, 0x5A},
      {Qt::Key_0, pad, 0x60},
      {Qt::Key_5, pad, 0x65},
      {Qt::Key_9, pad, 0x69},
      {Qt::Key_Asterisk, pad, 0x6A},
      {Qt::Key_Plus, pad, 0x6B},
      {Qt::Key_Minus, pad, 0x6D},
      {Qt::Key_Period, pad, 0x6E},
      {Qt::Key_Slash, pad, 0x6F},
      {Qt::Key_F1, no, 0x70},
      {Qt::Key_F12, no, 0x7B},
      {Qt::Key_NumLock, no, 0x90},
      {Qt::Key_ScrollLock, no, 0x91},
      {Qt::Key_Semicolon, no, 0xBA},
      {Qt::Key_Equal, no, 0xBB},
      {Qt::Key_Comma, no, 0xBC},
      {Qt::Key_Minus, no, 0xBD},
      {Qt::Key_Period, no, 0xBE},
      {Qt::Key_Slash, no, 0xBF},
      {Qt::Key_QuoteLeft, no, 0xC0},
      {Qt::Key_BracketLeft, no, 0xDB},
      {Qt::Key_Backslash, no, 0xDC},
      {Qt::Key_BracketRight, no, 0xDD},
      {Qt::Key_Apostrophe, no, 0xDE},
      // Shifted symbols name their key.
      {Qt::Key_Exclam, no, 0x31},
      {Qt::Key_ParenRight, no, 0x30},
      {Qt::Key_Asterisk, no, 0x38},
      {Qt::Key_Plus, no, 0xBB},
      {Qt::Key_Colon, no, 0xBA},
      {Qt::Key_Question, no, 0xBF},
      {Qt::Key_BraceRight, no, 0xDD},
      {Qt::Key_QuoteDbl, no, 0xDE},
      {Qt::Key_AsciiTilde, no, 0xC0},
      // The numeric pad with Num Lock off gives the navigation codes.
      {Qt::Key_Insert, pad, 0x2D},
      {Qt::Key_Up, pad, 0x26},
      {Qt::Key_Clear, pad, 0x0C},
  };
  for (const Row& row : rows) {
    EXPECT_EQ(VirtualKeyFromQtKey(row.key, row.keypad), row.code)
        << "Qt key 0x" << std::hex << row.key << (row.keypad == pad ? " on the pad" : "");
  }
  EXPECT_EQ(VirtualKeyFromQtKey(Qt::Key_VolumeUp, no), 0u);

  // Key positions of X11/Wayland: the digit row and punctuation by place,
  // the two Shift and Control keys by side.
  EXPECT_EQ(ui::qt::VirtualKeyFromXkbKeycode(10), 0x31u);
  EXPECT_EQ(ui::qt::VirtualKeyFromXkbKeycode(19), 0x30u);
  EXPECT_EQ(ui::qt::VirtualKeyFromXkbKeycode(61), 0xBFu);
  EXPECT_EQ(ui::qt::VirtualKeyFromXkbKeycode(50), 0xA0u);
  EXPECT_EQ(ui::qt::VirtualKeyFromXkbKeycode(62), 0xA1u);
  EXPECT_EQ(ui::qt::VirtualKeyFromXkbKeycode(37), 0xA2u);
  EXPECT_EQ(ui::qt::VirtualKeyFromXkbKeycode(105), 0xA3u);
  EXPECT_EQ(ui::qt::VirtualKeyFromXkbKeycode(38), 0u);  // letters follow the layout
  EXPECT_EQ(ui::qt::GenericVirtualKey(0xA1), 0x10u);
  EXPECT_EQ(ui::qt::GenericVirtualKey(0xA3), 0x11u);
  EXPECT_EQ(ui::qt::GenericVirtualKey(0x41), 0x41u);
}

class KeyboardTrackingTest : public testing::Test {
 protected:
  KeyboardTrackingTest() {
    qttest::EnsureApplication();
    m_resources.AddDialog(qttest::SampleTemplate());
    platform::ReleaseAllKeys();
  }
  ~KeyboardTrackingTest() override { platform::ReleaseAllKeys(); }

  static bool Down(unsigned code) {
    platform::KeyboardStateBytes state{};
    platform::GetKeyboardState(state);
    return (state[code] & platform::kKeyDownBit) != 0;
  }

  qttest::ApplicationFirst m_application;
  qttest::TestResources m_resources;
  ui::qt::QtDialogBackend m_backend;
};

// Key events the application receives update the keyboard state: pad keys
// apart from their twins, Shift and Control as themselves, releases clear.
TEST_F(KeyboardTrackingTest, KeyEventsUpdateState) {
  qttest::TestDialog dialog(500);
  dialog.on_init = [&](qttest::TestDialog& d) {
    qttest::Later([&] {
      QWindow* window = d.QtWindow().Widget()->windowHandle();
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

      QTest::keyPress(window, Qt::Key_Shift);
      QTest::keyPress(window, Qt::Key_Control, Qt::ShiftModifier);
      QTest::keyPress(window, Qt::Key_Exclam, Qt::ShiftModifier | Qt::ControlModifier);
      EXPECT_TRUE(Down(0x10));
      EXPECT_TRUE(Down(0x11));
      EXPECT_TRUE(Down(0x31));
      EXPECT_EQ(d.GetKeyboardState()[0x31] & 0x80, 0x80);
      QTest::keyRelease(window, Qt::Key_Exclam, Qt::ShiftModifier | Qt::ControlModifier);
      QTest::keyRelease(window, Qt::Key_Control, Qt::ShiftModifier);
      QTest::keyRelease(window, Qt::Key_Shift);
      EXPECT_FALSE(Down(0x10));
      EXPECT_FALSE(Down(0x11));
      EXPECT_FALSE(Down(0x31));

      QTest::keyPress(window, Qt::Key_Enter, Qt::KeypadModifier);
      EXPECT_TRUE(Down(0x0D));
      d.EndDialog(platform::kIdOk);
    });
  };
  EXPECT_EQ(dialog.DoModal(), platform::kIdOk);
}

// The key filter sees key down, character and key up first and may swallow
// them: a swallowed Escape, Enter or F1 does nothing, yet the state is kept.
TEST_F(KeyboardTrackingTest, KeyFilterSeesMessagesFirstAndMaySwallow) {
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
  dialog.on_init = [&](qttest::TestDialog& d) {
    qttest::Later([&] {
      QWindow* window = d.QtWindow().Widget()->windowHandle();
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
    });
  };
  EXPECT_EQ(dialog.DoModal(), platform::kIdCancel);
  EXPECT_TRUE(escape_was_down);
  EXPECT_EQ(help, 1);
  EXPECT_EQ(default_clicks, 0);
  EXPECT_EQ(dialog.cancel_count, 1);

  using ui::KeyMessageKind;
  ASSERT_GE(seen.size(), 4u);
  EXPECT_EQ(seen[0].kind, KeyMessageKind::kKeyDown);
  EXPECT_EQ(seen[0].code, 0x1Bu);
  EXPECT_EQ(seen[1].kind, KeyMessageKind::kKeyUp);
  EXPECT_EQ(seen[1].code, 0x1Bu);
  EXPECT_EQ(seen[2].kind, KeyMessageKind::kKeyDown);
  EXPECT_EQ(seen[2].code, 0x0Du);
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
