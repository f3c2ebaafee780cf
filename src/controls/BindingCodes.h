#pragma once

#include <cstdint>

// Binding codes. A keyboard block holds key codes (mostly the Windows
// virtual-key code; see KeyboardScanTable), 0 meaning no key. A gamepad block
// holds 0 to 14 for the buttons and 15 to 18 for the four stick directions;
// it has no "none", since 0 is the first button.
inline constexpr std::int32_t kKeyNone = 0;
inline constexpr std::int32_t kKeyEscape = 0x0A;
inline constexpr std::int32_t kPadButtonFirst = 0;
inline constexpr std::int32_t kPadButtonLast = 14;
inline constexpr std::int32_t kPadUp = 15;
inline constexpr std::int32_t kPadDown = 16;
inline constexpr std::int32_t kPadRight = 17;
inline constexpr std::int32_t kPadLeft = 18;
// What the capture window reports when the pad gave nothing; never stored.
inline constexpr std::int32_t kPadNoInput = 19;
// What the capture window reports when it never watched the device.
inline constexpr std::int32_t kCaptureNotWatched = -1;
