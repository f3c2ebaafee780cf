#pragma once

#include <cstdint>
#include <memory>

#include "platform/Gamepads.h"

// Reads one gamepad tick by tick for the capture window and turns what is
// held into a binding code. The opened pad is kept from tick to tick and
// opened again when it failed or another pad is asked for.
class GamepadPoller {
 public:
  GamepadPoller();
  ~GamepadPoller();
  GamepadPoller(const GamepadPoller&) = delete;
  GamepadPoller& operator=(const GamepadPoller&) = delete;

  // The code of what `device` holds now: the first pressed button (0 to 14),
  // else the stick pushed up, down, left or right past the dead zone (up and
  // down first), else 19. Any failure to open or read the pad gives 19.
  // `reader` is the window that polls, which the pad is opened for.
  std::int32_t Poll(const Guid& device, platform::OwnerWindow* reader);

 private:
  std::int32_t Drop();

  std::unique_ptr<platform::Gamepad> m_pad;
};
