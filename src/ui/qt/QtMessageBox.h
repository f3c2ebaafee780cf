#pragma once

#include "platform/MessageBox.h"

namespace ui::qt {

// Message boxes as Qt message boxes, with the buttons and icon of Windows
// message-box flags; Show returns the Windows result (IDOK, IDYES, ...). The
// first button is the default one. Escape and the close box answer Cancel
// when there is a Cancel button and OK for an OK box; a box without either
// (Yes and No) ignores them and has no close box: the player must choose.
//
// A box over a dialog window is its child, and the window takes no input
// while it is up; a box without an owner stands over the active modal
// window. A box asked for where no Qt window can be shown (another thread, no
// application object) goes to the real message box.
class QtMessageBox final : public platform::MessageBox {
 public:
  int Show(platform::OwnerWindow* owner, std::string_view text, std::string_view caption,
           unsigned flags) override;
};

}  // namespace ui::qt
