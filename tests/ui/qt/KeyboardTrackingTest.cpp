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

// Both Shift and both Control keys set the generic code, held while either
// side is down, and a shifted symbol names its key; the numeric pad gives its
// digits with Num Lock on, apart from their twins on the digit row, and the
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
  Play(m_window, {{kPress, Qt::Key_Shift, 50}, {kPress, Qt::Key_Exclam, 0, Qt::ShiftModifier}});
  EXPECT_EQ(HeldCodes(), (Held{0x10, 0x31}));
  Play(m_window, {{kRelease, Qt::Key_Exclam, 0, Qt::ShiftModifier}, {kRelease, Qt::Key_Shift, 50}});
  Play(m_window, {{kPress, Qt::Key_8, 80, Qt::KeypadModifier},
                  {kPress, Qt::Key_8, 17},
                  {kRelease, Qt::Key_8, 80, Qt::KeypadModifier}});
  EXPECT_EQ(HeldCodes(), Held{0x38});
  Play(m_window, {{kRelease, Qt::Key_8, 17}});
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

// With Alt held a key comes to the key filter as a system key, as on Windows.
TEST_F(KeyboardTrackingTest, AltMakesSystemKeys) {
  test::HookedDialog dialog;
  std::vector<ui::KeyMessageKind> kinds;  // of the messages of A
  dialog.key_filter = [&](const ui::KeyMessage& message) {
    if (message.code == 'A') kinds.push_back(message.kind);
    return true;
  };
  dialog.on_open = [](test::HookedDialog& d) {
    QTest::keyClick(qttest::HandleOf(d), Qt::Key_A, Qt::AltModifier);
    d.EndDialog(platform::kIdOk);
  };
  dialog.DoModal();
  EXPECT_EQ(kinds, (std::vector{ui::KeyMessageKind::kSysKeyDown, ui::KeyMessageKind::kSysKeyUp}));
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

}  // namespace
