#include "platform/Gamepads.h"

#include <utility>

namespace platform {
namespace {

Gamepads* s_installed = nullptr;

}  // namespace

Gamepads& GetGamepads() {
  return s_installed != nullptr ? *s_installed : RealGamepads();
}

Gamepads* SetGamepads(Gamepads* gamepads) {
  return std::exchange(s_installed, gamepads);
}

}  // namespace platform
