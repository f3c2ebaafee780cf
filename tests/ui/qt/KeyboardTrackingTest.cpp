#include "ui/qt/VirtualKeyMap.h"

#include <QKeyEvent>

#include "QtTestSupport.h"
#include "platform/KeyboardState.h"
#include "platform/MessageBox.h"
#include "ui/KeyMessage.h"

namespace {

bool Down(unsigned code) {
  return (platform::GetKeyboardState().Read()[code] & platform::kKeyDownBit) != 0;
}

using Held = std::vector<unsigned>;

Held HeldCodes() {
  Held held;
  for (unsigned code = 1; code < platform::kKeyboardStateSize; ++code) {
    if (Down(code)) held.push_back(code);
  }
  return held;
}

// The held keys a binding could take: all but the mouse buttons, Alt and
// the Windows keys.
Held HeldBindable() {
  Held held = HeldCodes();
  std::erase_if(held, [](unsigned code) {
    return code < 0x08 || code == 0x12 || code == 0x5B || code == 0x5C;
  });
  return held;
}

// Key events as the platform sends them, with the keys' X11 key codes.
struct KeyStep {
  bool press;
  int key;
  std::uint32_t scan_code;
  Qt::KeyboardModifiers modifiers = Qt::NoModifier;
};
constexpr bool kPress = true, kRelease = false;

void Play(QWindow& window, std::initializer_list<KeyStep> steps) {
  for (const KeyStep& step : steps) {
    QKeyEvent event(step.press ? QEvent::KeyPress : QEvent::KeyRelease, step.key, step.modifiers,
                    step.scan_code, 0, 0);
    QCoreApplication::sendEvent(&window, &event);
  }
}

class KeyboardTrackingTest : public qttest::BackendTest {
 protected:
  QWindow m_window;
};

// The key filter sees key down, character and key up first and may swallow
// them: a swallowed Escape, Enter or F1 does nothing, yet the keyboard state
// follows every key (pad keys apart from their twins, Shift as itself, releases
// clear).
TEST_F(KeyboardTrackingTest, KeyFilterAndKeyboardState) {
  using ui::KeyMessageKind;
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

// Both Shift and both Control keys set the generic code, held while either
// side is down; the numeric pad gives its digits with Num Lock on and the
// navigation codes with it off, and a release clears what the key's press set
// when Num Lock changed in between; the pad's operators keep their codes.
TEST_F(KeyboardTrackingTest, SidedModifiersAndNumericPad) {
  const std::tuple<int, std::uint32_t, std::uint32_t, unsigned> sided[] = {
      {Qt::Key_Shift, 50, 62, 0x10}, {Qt::Key_Control, 37, 105, 0x11}};
  for (const auto& [key, left, right, code] : sided) {
    for (const auto& [first, second] : {std::pair(left, right), std::pair(right, left)}) {
      Play(m_window, {{kPress, key, first}, {kPress, key, second}, {kRelease, key, first}});
      EXPECT_EQ(HeldCodes(), Held{code}) << "key code " << first << " released first";
      Play(m_window, {{kRelease, key, second}});
      EXPECT_EQ(HeldCodes(), Held{});
    }
  }
  // Pad keys by X11 key code: the Qt key and code with Num Lock on, then off
  // (a digit, an operator that keeps its code; the other keys are table rows).
  const std::tuple<std::uint32_t, int, unsigned, int, unsigned> pad_keys[] = {
      {90, Qt::Key_0, 0x60, Qt::Key_Insert, 0x2D},
      {86, Qt::Key_Plus, 0x6B, Qt::Key_Plus, 0x6B},
  };
  for (const auto& [scan, on_key, on_code, off_key, off_code] : pad_keys) {
    const auto pad = Qt::KeypadModifier;
    Play(m_window, {{kPress, on_key, scan, pad}});
    EXPECT_EQ(HeldCodes(), Held{on_code}) << "Num Lock on, key code " << scan;
    Play(m_window, {{kRelease, off_key, scan, pad}, {kPress, off_key, scan, pad}});
    EXPECT_EQ(HeldCodes(), Held{off_code}) << "Num Lock off, key code " << scan;
    Play(m_window, {{kRelease, on_key, scan, pad}});
    EXPECT_EQ(HeldCodes(), Held{});
  }
}

// Alt, AltGr and the Windows keys set no bindable code, alone or with Shift
// (X11 turns Alt into Meta with it); a key pressed with AltGr and a dead key
// leave nothing held once released, in whatever order.
TEST_F(KeyboardTrackingTest, AltWindowsAltGrAndDeadKeys) {
  const std::pair<int, std::uint32_t> keys[] = {
      {Qt::Key_Alt, 64},   {Qt::Key_Alt, 108},  {Qt::Key_AltGr, 92},  {Qt::Key_AltGr, 108},
      {Qt::Key_Meta, 133}, {Qt::Key_Meta, 134}, {Qt::Key_Super_L, 0}, {Qt::Key_Super_R, 0},
  };
  for (const auto& [key, scan_code] : keys) {
    Play(m_window, {{kPress, key, scan_code}});
    EXPECT_EQ(HeldBindable(), Held{}) << "Qt key 0x" << std::hex << key;
    Play(m_window, {{kRelease, key, scan_code}});
  }
  const auto shift_alt = Qt::ShiftModifier | Qt::AltModifier;
  Play(m_window, {{kPress, Qt::Key_Shift, 50}, {kPress, Qt::Key_Meta, 64, shift_alt}});
  EXPECT_EQ(HeldBindable(), Held{0x10});
  Play(m_window, {{kRelease, Qt::Key_Meta, 64, shift_alt}, {kRelease, Qt::Key_Shift, 50}});
  // AltGr+Q gives @, and Q is let go after AltGr; an input method may keep
  // the presses of a dead key and of the key it composes with.
  Play(m_window, {{kPress, Qt::Key_AltGr, 108},
                  {kPress, Qt::Key_At, 24, Qt::GroupSwitchModifier},
                  {kRelease, Qt::Key_AltGr, 108, Qt::GroupSwitchModifier},
                  {kRelease, Qt::Key_Q, 24},
                  {kPress, Qt::Key_Dead_Acute, 48},
                  {kRelease, Qt::Key_Dead_Acute, 48},
                  {kRelease, Qt::Key_E, 26},
                  {kRelease, Qt::Key_Dead_Circumflex, 34}});
  EXPECT_EQ(HeldBindable(), Held{});
}

// Keys whose release may go unseen are let go: when the application turns
// inactive, when none of its windows has the focus, and the keys pressed in a
// window when it hides (keys pressed in another window stay held).
TEST_F(KeyboardTrackingTest, UnseenReleasesLetKeysGo) {
  Play(m_window, {{kPress, Qt::Key_A, 38}});
  QApplicationStateChangeEvent inactive(Qt::ApplicationInactive);
  QCoreApplication::sendEvent(QCoreApplication::instance(), &inactive);
  EXPECT_EQ(HeldCodes(), Held{});
  Play(m_window, {{kPress, Qt::Key_A, 38}});
  emit qGuiApp->focusWindowChanged(nullptr);
  EXPECT_EQ(HeldCodes(), Held{});
  QWindow closing;
  closing.show();
  Play(m_window, {{kPress, Qt::Key_Shift, 50}});
  Play(closing, {{kPress, Qt::Key_A, 38}, {kPress, Qt::Key_Shift, 62}});
  closing.hide();
  EXPECT_EQ(HeldCodes(), Held{0x10});
  Play(m_window, {{kRelease, Qt::Key_A, 38}, {kPress, Qt::Key_B, 56}});
  EXPECT_EQ(HeldCodes(), (Held{0x10, 0x42}));
}

// A window without a parent opened from a handler of another (the capture
// window's case) comes up active with the focus, and the opener takes no
// keys meanwhile (its owner is the conformance suite's); its key filter sees
// the keys it swallows. The key that closes it on its press is not held for
// the next one, wherever its release goes.
TEST_F(KeyboardTrackingTest, ParentlessWindowFromAHandlerTakesTheKeyboard) {
  qttest::TestDialog opener;
  std::vector<unsigned> captured;
  std::vector<Held> held_at_open;
  int results = 0;
  opener.MapCommand(qttest::kSampleButton, ui::Notification::kClicked, [&] {
    qttest::TestDialog capture(qttest::kPromptTemplate);
    capture.key_filter = [&](const ui::KeyMessage& message) {
      if (message.kind == ui::KeyMessageKind::kKeyDown) {
        captured.push_back(message.code);
        capture.EndDialog(platform::kIdOk);
      }
      return true;
    };
    capture.on_open = [&](qttest::TestDialog& c) {
      QCoreApplication::processEvents();  // the activation the platform queued
      EXPECT_EQ(QGuiApplication::focusWindow(), c.Handle());
      EXPECT_EQ(QApplication::activeWindow(), c.QtWindow().Widget());
      EXPECT_EQ(QApplication::focusWidget(), c.Control(platform::kIdCancel));
      held_at_open.push_back(HeldBindable());
      QTest::keyPress(opener.Handle(), Qt::Key_B);
      QTest::keyPress(QGuiApplication::focusWindow(),
                      captured.empty() ? Qt::Key_Escape : Qt::Key_A);
    };
    results += capture.DoModal() == platform::kIdOk ? 1 : 0;
    EXPECT_EQ(capture.cancel_count, 0);
  });
  opener.on_open = [&](qttest::TestDialog& d) {
    qttest::UserClick(d.Control(qttest::kSampleButton));
    qttest::UserClick(d.Control(qttest::kSampleButton));
    QTest::keyRelease(d.Handle(), Qt::Key_Escape);
    QTest::keyRelease(d.Handle(), Qt::Key_A);
    d.EndDialog(platform::kIdCancel);
  };
  EXPECT_EQ(opener.DoModal(), platform::kIdCancel);
  EXPECT_EQ(captured, (std::vector<unsigned>{0x1B, 0x41}));
  EXPECT_EQ(held_at_open, (std::vector<Held>{{}, {}}));
  EXPECT_EQ(results, 2);
  EXPECT_EQ(HeldBindable(), Held{});
}

}  // namespace
