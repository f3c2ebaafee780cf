#include "platform/KeyboardState.h"

#include "platform/win32/Win32Support.h"

namespace platform::win32 {
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
}  // namespace platform::win32

namespace platform {

KeyboardState& RealKeyboardState() {
  static win32::ThreadKeyboardState real;
  return real;
}

}  // namespace platform
