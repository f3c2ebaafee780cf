#include "ui/qt/VirtualKeyMap.h"

#include <algorithm>
#include <cstddef>
#include <iterator>

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

struct KeyRow {
  int qt_key;
  unsigned virtual_key;
};

// The numeric pad's operators (its comma is the decimal key of layouts with a
// decimal comma); its digits are a range.
constexpr KeyRow kKeypadRows[] = {
    {Qt::Key_Asterisk, 0x6A}, {Qt::Key_Plus, 0x6B},  {Qt::Key_Minus, 0x6D}, {Qt::Key_Period, 0x6E},
    {Qt::Key_Comma, 0x6E},    {Qt::Key_Slash, 0x6F}, {Qt::Key_Enter, 0x0D},
};

// Every key but the digits, letters and function keys, which are ranges.
constexpr KeyRow kKeyRows[] = {
    {Qt::Key_Backspace, 0x08},
    {Qt::Key_Tab, 0x09},
    {Qt::Key_Backtab, 0x09},  // Shift+Tab
    {Qt::Key_Clear, 0x0C},    // numeric-pad 5 with Num Lock off
    {Qt::Key_Return, 0x0D},
    {Qt::Key_Enter, 0x0D},
    {Qt::Key_Shift, 0x10},
    {Qt::Key_Control, 0x11},
    {Qt::Key_Alt, 0x12},
    {Qt::Key_AltGr, 0x12},
    {Qt::Key_Pause, 0x13},
    {Qt::Key_CapsLock, 0x14},
    {Qt::Key_Escape, 0x1B},
    {Qt::Key_Space, 0x20},
    {Qt::Key_PageUp, 0x21},
    {Qt::Key_PageDown, 0x22},
    {Qt::Key_End, 0x23},
    {Qt::Key_Home, 0x24},
    {Qt::Key_Left, 0x25},
    {Qt::Key_Up, 0x26},
    {Qt::Key_Right, 0x27},
    {Qt::Key_Down, 0x28},
    {Qt::Key_Print, 0x2C},
    {Qt::Key_SysReq, 0x2C},  // Alt+Print Screen
    {Qt::Key_Insert, 0x2D},
    {Qt::Key_Delete, 0x2E},
    {Qt::Key_Meta, 0x5B},
    {Qt::Key_Super_L, 0x5B},
    {Qt::Key_Super_R, 0x5C},
    {Qt::Key_Menu, 0x5D},
    {Qt::Key_NumLock, 0x90},
    {Qt::Key_ScrollLock, 0x91},
    // The digit row with Shift held (US layout).
    {Qt::Key_ParenRight, 0x30},
    {Qt::Key_Exclam, 0x31},
    {Qt::Key_At, 0x32},
    {Qt::Key_NumberSign, 0x33},
    {Qt::Key_Dollar, 0x34},
    {Qt::Key_Percent, 0x35},
    {Qt::Key_AsciiCircum, 0x36},
    {Qt::Key_Ampersand, 0x37},
    {Qt::Key_Asterisk, 0x38},
    {Qt::Key_ParenLeft, 0x39},
    // The punctuation keys, plain and with Shift held (US layout).
    {Qt::Key_Semicolon, 0xBA},
    {Qt::Key_Colon, 0xBA},
    {Qt::Key_Equal, 0xBB},
    {Qt::Key_Plus, 0xBB},
    {Qt::Key_Comma, 0xBC},
    {Qt::Key_Less, 0xBC},
    {Qt::Key_Minus, 0xBD},
    {Qt::Key_Underscore, 0xBD},
    {Qt::Key_Period, 0xBE},
    {Qt::Key_Greater, 0xBE},
    {Qt::Key_Slash, 0xBF},
    {Qt::Key_Question, 0xBF},
    {Qt::Key_QuoteLeft, 0xC0},
    {Qt::Key_AsciiTilde, 0xC0},
    {Qt::Key_BracketLeft, 0xDB},
    {Qt::Key_BraceLeft, 0xDB},
    {Qt::Key_Backslash, 0xDC},
    {Qt::Key_Bar, 0xDC},
    {Qt::Key_BracketRight, 0xDD},
    {Qt::Key_BraceRight, 0xDD},
    {Qt::Key_Apostrophe, 0xDE},
    {Qt::Key_QuoteDbl, 0xDE},
};

template <std::size_t kCount>
unsigned LookUp(const KeyRow (&rows)[kCount], int qt_key) {
  const auto row = std::find_if(std::begin(rows), std::end(rows),
                                [qt_key](const KeyRow& each) { return each.qt_key == qt_key; });
  return row != std::end(rows) ? row->virtual_key : 0;
}

}  // namespace

unsigned VirtualKeyFromQtKey(int qt_key, KeypadKey keypad) {
  if (keypad == KeypadKey::kYes) {
    if (qt_key >= Qt::Key_0 && qt_key <= Qt::Key_9) {
      return 0x60 + static_cast<unsigned>(qt_key - Qt::Key_0);
    }
    if (const unsigned code = LookUp(kKeypadRows, qt_key); code != 0) {
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
  return LookUp(kKeyRows, qt_key);
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
