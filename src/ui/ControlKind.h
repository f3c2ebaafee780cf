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

// A button that sends a click command (the default one answers Enter too).
constexpr bool IsPushButton(ControlKind kind) {
  return kind == ControlKind::kPushButton || kind == ControlKind::kDefaultPushButton;
}

// The kinds the dialog manager gives the focus to; the rest never take it.
constexpr bool CanTakeFocus(ControlKind kind) {
  return IsPushButton(kind) || kind == ControlKind::kEdit || kind == ControlKind::kDropDownList;
}

}  // namespace ui
