#pragma once

#include <array>
#include <cstdint>

#include "platform/KeyboardState.h"

// One bindable key: its binding code and the Windows virtual-key code whose
// byte in the keyboard state tells whether it is held.
struct KeyScanRow {
  std::int32_t code;
  std::uint8_t virtual_key;
};

// The 96 bindable keys in the order they are tested; when several are held,
// the earliest wins (Shift before A, A before Numpad 0).
extern const std::array<KeyScanRow, 96> kKeyboardScanTable;

// The code of the first held key of the table; 0 when none is held.
std::int32_t ScanKeyboard(const platform::KeyboardStateBytes& state);
