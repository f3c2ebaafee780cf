#pragma once

#include <cstdint>

#include "ui/Flags.h"

namespace ui {

// Style bits of one control; which ones apply depends on its kind.
enum class ControlStyle : std::uint32_t {
  kNone = 0,
  kHidden = 1u << 0,            // created invisible
  kDisabled = 1u << 1,          // created disabled
  kSunken = 1u << 2,            // static text with a sunken border
  kCenterVertically = 1u << 3,  // static text centred in its height
  kMultiLine = 1u << 4,         // edit
  kReadOnly = 1u << 5,          // edit
  kBorder = 1u << 6,            // edit: thin border
  kClientEdge = 1u << 7,        // edit: sunken client edge
  kVerticalScroll = 1u << 8,    // edit: vertical scroll bar
  kTabStop = 1u << 9,           // takes the focus with Tab
  kGroup = 1u << 10,            // starts a group: the arrow keys move the focus within one
};

template <>
struct IsFlagEnum<ControlStyle> : std::true_type {};

}  // namespace ui
