#pragma once

#include "platform/KeyboardState.h"

namespace ui {

// The keyboard state that a UI backend keeps from the key events it receives
// and installs (platform::SetKeyboardState) for the layers below.
class KeyboardTracker final : public platform::KeyboardState {
 public:
  // Sets the key's high bit; a press that is not a repeat also flips its
  // toggle. Codes outside 1..255 are ignored, here and in Release.
  void Press(unsigned virtual_key);
  void Release(unsigned virtual_key);
  // Releases every key (the application lost the keyboard, so releases will
  // not be seen); toggles are kept.
  void ReleaseAll();

  platform::KeyboardStateBytes Read() const override { return m_state; }

 private:
  platform::KeyboardStateBytes m_state{};
};

}  // namespace ui
