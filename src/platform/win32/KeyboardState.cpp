#include "platform/KeyboardState.h"

#include "platform/win32/Win32Support.h"

namespace platform {
namespace {

// The thread's own keyboard state, as its message queue has seen the keys.
class ThreadKeyboardState final : public KeyboardState {
 public:
  KeyboardStateBytes Read() const override {
    KeyboardStateBytes bytes{};
    if (!::GetKeyboardState(bytes.data())) bytes.fill(0);
    return bytes;
  }
};

}  // namespace

KeyboardState& RealKeyboardState() {
  static ThreadKeyboardState real;
  return real;
}

}  // namespace platform
