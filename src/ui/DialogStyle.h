#pragma once

#include <cstdint>

#include "ui/Flags.h"

namespace ui {

// Style bits of a dialog window.
enum class DialogStyle : std::uint32_t {
  kNone = 0,
  kCaption = 1u << 0,     // title bar
  kSystemMenu = 1u << 1,  // system menu and close box
  kModalFrame = 1u << 2,  // dialog frame, not resizable
  kAppWindow = 1u << 3,   // has its own task-bar entry
  kMinimizeBox = 1u << 4,
  kCenter = 1u << 5,  // centred over its owner, or on the screen without one
};

template <>
struct IsFlagEnum<DialogStyle> : std::true_type {};

}  // namespace ui
