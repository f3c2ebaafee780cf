#include "platform/KeyboardState.h"

namespace platform {
namespace {

// Key events reach a process only through its windows, whose backend keeps
// the state; without one no key is seen held.
class NoKeyboardState final : public KeyboardState {
 public:
  KeyboardStateBytes Read() const override { return {}; }
};

}  // namespace

KeyboardState& RealKeyboardState() {
  static NoKeyboardState real;
  return real;
}

}  // namespace platform
