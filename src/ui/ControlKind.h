#pragma once

namespace ui {

// The kinds of control a dialog template can hold.
enum class ControlKind {
  kPushButton,
  kDefaultPushButton,  // answers Enter
  kStaticText,
  kBlackFrame,  // an empty frame, used as a painting area
  kGroupBox,
  kEdit,
  kDropDownList,  // a list that cannot be typed into; items carry data
  kIcon,
};

}  // namespace ui
