#pragma once

namespace ui {

// What a control tells its dialog. Backends send these for the user's own
// actions only: setting a text or a list selection from code sends nothing.
enum class Notification {
  kClicked,           // a button was pressed (also Enter, Escape, close box)
  kSelectionChanged,  // the user chose a list item
  kDropDown,          // a list is about to open; sent before it shows
};

}  // namespace ui
