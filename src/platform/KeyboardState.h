#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <functional>

namespace platform {

// The keyboard as the windows see it: one byte per Windows virtual-key code,
// the high bit set while the key is held, the low bit flipped on each press
// (the toggle of Caps Lock, Num Lock, Scroll Lock). The UI backend keeps it
// from the key events the application receives; it is read and written on
// the user-interface thread only.
constexpr std::size_t kKeyboardStateSize = 256;
using KeyboardStateBytes = std::array<std::uint8_t, kKeyboardStateSize>;
constexpr std::uint8_t kKeyDownBit = 0x80;
constexpr std::uint8_t kKeyToggledBit = 0x01;

enum class KeyTransition { kDown, kUp };

// Records a press or a release of one virtual key. A repeated press keeps the
// key down without flipping its toggle again. Codes outside 1..255 are ignored.
void UpdateKeyboardState(unsigned virtual_key, KeyTransition transition);

// Releases every key (the application lost the keyboard, so releases will not
// be seen); toggles are kept.
void ReleaseAllKeys();

// Copies the state of the keyboard into `state`, or, when a hook is
// installed, lets the hook fill it. Always succeeds.
bool GetKeyboardState(KeyboardStateBytes& state);

// The seam for tests: a hook replaces what GetKeyboardState reports. An empty
// hook restores the tracked state. Returns the hook installed before.
using KeyboardStateHook = std::function<void(KeyboardStateBytes& state)>;
KeyboardStateHook SetKeyboardStateHook(KeyboardStateHook hook);

}  // namespace platform
