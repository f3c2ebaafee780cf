#include "platform/KeyboardState.h"

namespace platform::posix {
namespace {

// Key events reach a process only through its windows, whose backend keeps
// the state; without one no key is seen held.
class NoKeyboardState final : public KeyboardState {
 public:
  KeyboardStateBytes Read() const override { return {}; }
};

}  // namespace
}  // namespace platform::posix

namespace platform {

KeyboardState& RealKeyboardState() {
  static posix::NoKeyboardState real;
  return real;
}

}  // namespace platform
