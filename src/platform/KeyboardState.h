#pragma once

#include <array>
#include <cstddef>
#include <cstdint>

namespace platform {

// One byte per Windows virtual-key code: the high bit set while the key is
// held, the low bit flipped on each press (the toggle of Caps Lock, Num
// Lock, Scroll Lock).
constexpr std::size_t kKeyboardStateSize = 256;
using KeyboardStateBytes = std::array<std::uint8_t, kKeyboardStateSize>;
constexpr std::uint8_t kKeyDownBit = 0x80;
constexpr std::uint8_t kKeyToggledBit = 0x01;

// The keyboard as the windows see it. The UI backend keeps it from the key
// events the application receives and installs it; the real one, without a
// window system, has no key held. Read on the user-interface thread only.
class KeyboardState {
 public:
  virtual ~KeyboardState() = default;

  virtual KeyboardStateBytes Read() const = 0;
};

// The installed keyboard state, else the real one.
KeyboardState& GetKeyboardState();
// Installs `state` (not owned; null restores the real one) and returns the
// one installed before (null when that was the real one).
KeyboardState* SetKeyboardState(KeyboardState* state);
// The real keyboard state of this platform, defined by its backend.
KeyboardState& RealKeyboardState();

}  // namespace platform
