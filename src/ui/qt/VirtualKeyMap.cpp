#include "ui/qt/VirtualKeyMap.h"

#include <QGuiApplication>
#include <QKeyEvent>

namespace ui::qt {
namespace {

constexpr unsigned kVkLeftShift = 0xA0;
constexpr unsigned kVkRightShift = 0xA1;
constexpr unsigned kVkLeftControl = 0xA2;
constexpr unsigned kVkRightControl = 0xA3;
constexpr unsigned kVkLeftMenu = 0xA4;
constexpr unsigned kVkRightMenu = 0xA5;

unsigned KeypadVirtualKey(int qt_key) {
  if (qt_key >= Qt::Key_0 && qt_key <= Qt::Key_9) {
    return 0x60 + static_cast<unsigned>(qt_key - Qt::Key_0);
  }
  switch (qt_key) {
    case Qt::Key_Asterisk:
      return 0x6A;
    case Qt::Key_Plus:
      return 0x6B;
    case Qt::Key_Minus:
      return 0x6D;
    case Qt::Key_Period:
    case Qt::Key_Comma:  // the decimal key of layouts with a decimal comma
      return 0x6E;
    case Qt::Key_Slash:
      return 0x6F;
    case Qt::Key_Enter:
      return 0x0D;
    default:
      return 0;
  }
}

}  // namespace

unsigned VirtualKeyFromQtKey(int qt_key, KeypadKey keypad) {
  if (keypad == KeypadKey::kYes) {
    if (const unsigned code = KeypadVirtualKey(qt_key); code != 0) {
      return code;
    }
  }
  if (qt_key >= Qt::Key_0 && qt_key <= Qt::Key_9) {
    return 0x30 + static_cast<unsigned>(qt_key - Qt::Key_0);
  }
  if (qt_key >= Qt::Key_A && qt_key <= Qt::Key_Z) {
    return 0x41 + static_cast<unsigned>(qt_key - Qt::Key_A);
  }
  if (qt_key >= Qt::Key_F1 && qt_key <= Qt::Key_F24) {
    return 0x70 + static_cast<unsigned>(qt_key - Qt::Key_F1);
  }
  switch (qt_key) {
    case Qt::Key_Backspace:
      return 0x08;
    case Qt::Key_Tab:
    case Qt::Key_Backtab:
      return 0x09;  // Shift+Tab
    case Qt::Key_Clear:
      return 0x0C;  // numeric-pad 5 with Num Lock off
    case Qt::Key_Return:
    case Qt::Key_Enter:
      return 0x0D;
    case Qt::Key_Shift:
      return 0x10;
    case Qt::Key_Control:
      return 0x11;
    case Qt::Key_Alt:
    case Qt::Key_AltGr:
      return 0x12;
    case Qt::Key_Pause:
      return 0x13;
    case Qt::Key_CapsLock:
      return 0x14;
    case Qt::Key_Escape:
      return 0x1B;
    case Qt::Key_Space:
      return 0x20;
    case Qt::Key_PageUp:
      return 0x21;
    case Qt::Key_PageDown:
      return 0x22;
    case Qt::Key_End:
      return 0x23;
    case Qt::Key_Home:
      return 0x24;
    case Qt::Key_Left:
      return 0x25;
    case Qt::Key_Up:
      return 0x26;
    case Qt::Key_Right:
      return 0x27;
    case Qt::Key_Down:
      return 0x28;
    case Qt::Key_Print:
    case Qt::Key_SysReq:
      return 0x2C;  // Alt+Print Screen
    case Qt::Key_Insert:
      return 0x2D;
    case Qt::Key_Delete:
      return 0x2E;
    case Qt::Key_Meta:
    case Qt::Key_Super_L:
      return 0x5B;
    case Qt::Key_Super_R:
      return 0x5C;
    case Qt::Key_Menu:
      return 0x5D;
    case Qt::Key_NumLock:
      return 0x90;
    case Qt::Key_ScrollLock:
      return 0x91;
    // The digit row with Shift held (US layout).
    case Qt::Key_ParenRight:
      return 0x30;
    case Qt::Key_Exclam:
      return 0x31;
    case Qt::Key_At:
      return 0x32;
    case Qt::Key_NumberSign:
      return 0x33;
    case Qt::Key_Dollar:
      return 0x34;
    case Qt::Key_Percent:
      return 0x35;
    case Qt::Key_AsciiCircum:
      return 0x36;
    case Qt::Key_Ampersand:
      return 0x37;
    case Qt::Key_Asterisk:
      return 0x38;
    case Qt::Key_ParenLeft:
      return 0x39;
    // The punctuation keys, plain and with Shift held (US layout).
    case Qt::Key_Semicolon:
    case Qt::Key_Colon:
      return 0xBA;
    case Qt::Key_Equal:
    case Qt::Key_Plus:
      return 0xBB;
    case Qt::Key_Comma:
    case Qt::Key_Less:
      return 0xBC;
    case Qt::Key_Minus:
    case Qt::Key_Underscore:
      return 0xBD;
    case Qt::Key_Period:
    case Qt::Key_Greater:
      return 0xBE;
    case Qt::Key_Slash:
    case Qt::Key_Question:
      return 0xBF;
    case Qt::Key_QuoteLeft:
    case Qt::Key_AsciiTilde:
      return 0xC0;
    case Qt::Key_BracketLeft:
    case Qt::Key_BraceLeft:
      return 0xDB;
    case Qt::Key_Backslash:
    case Qt::Key_Bar:
      return 0xDC;
    case Qt::Key_BracketRight:
    case Qt::Key_BraceRight:
      return 0xDD;
    case Qt::Key_Apostrophe:
    case Qt::Key_QuoteDbl:
      return 0xDE;
    default:
      return 0;
  }
}

unsigned VirtualKeyFromXkbKeycode(std::uint32_t keycode) {
  if (keycode >= 10 && keycode <= 18) {
    return 0x31 + (keycode - 10);  // 1 to 9
  }
  switch (keycode) {
    case 19:
      return 0x30;
    case 20:
      return 0xBD;  // minus
    case 21:
      return 0xBB;  // equals
    case 34:
      return 0xDB;  // open bracket
    case 35:
      return 0xDD;  // close bracket
    case 37:
      return kVkLeftControl;
    case 47:
      return 0xBA;  // semicolon
    case 48:
      return 0xDE;  // quote
    case 49:
      return 0xC0;  // back quote
    case 50:
      return kVkLeftShift;
    case 51:
      return 0xDC;  // back slash
    case 59:
      return 0xBC;  // comma
    case 60:
      return 0xBE;  // period
    case 61:
      return 0xBF;  // slash
    case 62:
      return kVkRightShift;
    case 64:
      return kVkLeftMenu;
    case 94:
      return 0xE2;  // the extra key of ISO keyboards
    case 105:
      return kVkRightControl;
    case 108:
      return kVkRightMenu;
    case 133:
      return 0x5B;  // left Windows key
    case 134:
      return 0x5C;  // right Windows key
    case 135:
      return 0x5D;  // menu key
    default:
      return 0;
  }
}

unsigned GenericVirtualKey(unsigned virtual_key) {
  switch (virtual_key) {
    case kVkLeftShift:
    case kVkRightShift:
      return 0x10;
    case kVkLeftControl:
    case kVkRightControl:
      return 0x11;
    case kVkLeftMenu:
    case kVkRightMenu:
      return 0x12;
    default:
      return virtual_key;
  }
}

unsigned VirtualKeyOf(const QKeyEvent& event) {
  const QString platform = QGuiApplication::platformName();
  if (platform == QLatin1String("windows")) {
    return event.nativeVirtualKey();
  }
  if (platform == QLatin1String("xcb") || platform.startsWith(QLatin1String("wayland"))) {
    if (const unsigned code = VirtualKeyFromXkbKeycode(event.nativeScanCode()); code != 0) {
      return code;
    }
  }
  const KeypadKey keypad =
      event.modifiers().testFlag(Qt::KeypadModifier) ? KeypadKey::kYes : KeypadKey::kNo;
  return VirtualKeyFromQtKey(event.key(), keypad);
}

}  // namespace ui::qt
