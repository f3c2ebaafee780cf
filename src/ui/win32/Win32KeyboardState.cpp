#include "ui/win32/Win32KeyboardState.h"

#include "ui/win32/Win32.h"

namespace ui::win32 {

platform::KeyboardStateBytes Win32KeyboardState::Read() const {
  platform::KeyboardStateBytes state{};
  if (!GetKeyboardState(state.data())) {
    state.fill(0);  // no key held
  }
  return state;
}

}  // namespace ui::win32
