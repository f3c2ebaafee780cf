#pragma once

#include "platform/KeyboardState.h"

namespace ui::win32 {

// The keyboard state as the system keeps it for the user-interface thread
// (GetKeyboardState): updated as that thread takes key messages from its
// queue, whether or not a dialog's key filter then swallows them.
class Win32KeyboardState final : public platform::KeyboardState {
 public:
  platform::KeyboardStateBytes Read() const override;
};

}  // namespace ui::win32
