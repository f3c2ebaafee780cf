#pragma once

#include <cstdint>

namespace ui {

// The keyboard messages a dialog's key filter sees, numbered as the window
// messages 0x0100 to 0x0107 they stand for.
enum class KeyMessageKind : std::uint32_t {
  kKeyDown = 0x0100,
  kKeyUp = 0x0101,
  kChar = 0x0102,
  kDeadChar = 0x0103,
  kSysKeyDown = 0x0104,  // with Alt held, or F10
  kSysKeyUp = 0x0105,
  kSysChar = 0x0106,
  kSysDeadChar = 0x0107,
};

// Windows virtual-key codes the framework itself acts on.
constexpr unsigned kVkTab = 0x09;
constexpr unsigned kVkReturn = 0x0D;
constexpr unsigned kVkShift = 0x10;
constexpr unsigned kVkControl = 0x11;
constexpr unsigned kVkMenu = 0x12;
constexpr unsigned kVkEscape = 0x1B;
constexpr unsigned kVkF1 = 0x70;

struct KeyMessage {
  KeyMessageKind kind = KeyMessageKind::kKeyDown;
  // Virtual-key code for key messages, the character code for character messages.
  unsigned code = 0;
};

}  // namespace ui
