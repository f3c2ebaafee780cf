#include "platform/Gamepads.h"

#include "platform/Seam.h"

namespace platform {
namespace {

constinit Seam<Gamepads> s_seam(&RealGamepads);

}  // namespace

Gamepads& GetGamepads() {
  return s_seam.Get();
}

Gamepads* SetGamepads(Gamepads* gamepads) {
  return s_seam.Set(gamepads);
}

}  // namespace platform
