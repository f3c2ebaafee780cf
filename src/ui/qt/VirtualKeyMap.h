#pragma once

#include <cstdint>

class QKeyEvent;

namespace ui::qt {

enum class KeypadKey { kNo, kYes };

// Windows virtual-key code of a Qt key. Numeric-pad digits and operators
// (`keypad` set) get the numeric-pad codes; the numeric pad's navigation keys
// (Num Lock off) get the navigation codes, as on Windows. Shifted symbols of
// the digit row and the punctuation keys fold back to their key (US layout),
// since the code names the key, not the character. 0 when there is none.
unsigned VirtualKeyFromQtKey(int qt_key, KeypadKey keypad);

// Virtual-key code of an XKB key code (the native scan code that Qt reports
// on X11 and Wayland), by key position, for the keys whose Qt key depends on
// the layout or on Shift (digit row, punctuation) and for the keys that Qt
// merges (left and right Shift, Control, Alt give their own sided codes
// 0xA0 to 0xA5; both Windows keys are Qt's Meta). 0 for every other key.
unsigned VirtualKeyFromXkbKeycode(std::uint32_t keycode);

// Generic code of a sided modifier code (0xA0/0xA1 -> Shift, ...), else the code itself.
unsigned GenericVirtualKey(unsigned virtual_key);

// The virtual-key code of a key event on this platform.
unsigned VirtualKeyOf(const QKeyEvent& event);

}  // namespace ui::qt
