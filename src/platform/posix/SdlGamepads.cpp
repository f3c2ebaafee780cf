#include "platform/Gamepads.h"

namespace platform {
namespace {

// FIXME: placeholder until the SDL backend lands.
class NoGamepads final : public Gamepads {
 public:
  std::optional<SystemError> Start() override { return SystemError{0, "no gamepad system"}; }
  std::vector<GamepadInfo> Enumerate() override { return {}; }
  std::unique_ptr<Gamepad> Open(const Guid&) override { return nullptr; }
};

}  // namespace

Gamepads& RealGamepads() {
  static NoGamepads gamepads;
  return gamepads;
}

}  // namespace platform
