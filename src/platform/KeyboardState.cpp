#include "platform/KeyboardState.h"

#include "platform/Seam.h"

namespace platform {
namespace {

constinit Seam<KeyboardState> s_seam(&RealKeyboardState);

}  // namespace

KeyboardState& GetKeyboardState() {
  return s_seam.Get();
}

KeyboardState* SetKeyboardState(KeyboardState* state) {
  return s_seam.Set(state);
}

}  // namespace platform
