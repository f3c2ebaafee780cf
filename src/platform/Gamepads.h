#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "platform/Guid.h"
#include "platform/OwnerWindow.h"
#include "platform/SystemError.h"

namespace platform {

// One attached gamepad as the enumeration reports it.
struct GamepadInfo {
  Guid instance;
  std::string product_name;
};

// One read of a gamepad: the first fifteen buttons (high bit 0x80 set while
// pressed) and the X and Y axes scaled to -100..100.
constexpr std::size_t kGamepadButtonCount = 15;
constexpr std::uint8_t kGamepadButtonDownBit = 0x80;
constexpr std::int32_t kGamepadAxisMin = -100;
constexpr std::int32_t kGamepadAxisMax = 100;

struct GamepadState {
  std::array<std::uint8_t, kGamepadButtonCount> buttons{};
  std::int32_t x = 0;
  std::int32_t y = 0;
};

// One opened gamepad, read in the steps of the capture window's poll. Each
// step fails on its own when the pad has gone (unplugged, or taken away by
// the system); the object is then of no further use.
class Gamepad {
 public:
  virtual ~Gamepad() = default;

  // The instance GUID of the pad this object reads.
  virtual Guid GetInstanceGuid() const = 0;
  // Takes the pad for reading; false when it is no longer attached.
  virtual bool Acquire() = 0;
  virtual void Unacquire() = 0;
  // Brings the pad's state up to date; false when it cannot be read.
  virtual bool Poll() = 0;
  // The state as of the last poll; nullopt when it cannot be read.
  virtual std::optional<GamepadState> ReadState() = 0;
};

// The gamepad system: game controllers attached to this machine.
//
// Instance GUIDs are the pads' identities in the settings file: the same pad
// keeps its GUID across runs and replugs into the same port, and two
// identical pads never share one.
class Gamepads {
 public:
  virtual ~Gamepads() = default;

  // Starts the gamepad system; nullopt on success. Once started it stays
  // started for the process; a failed start is tried again at the next call.
  virtual std::optional<SystemError> Start() = 0;
  // The attached game controllers as the system reports them, in its order,
  // including pads attached since the last call; the device list drops an
  // instance reported twice. Empty when not started.
  virtual std::vector<GamepadInfo> Enumerate() = 0;
  // Opens and sets up the attached pad with this instance GUID for reading
  // by `reader`, the window that polls it (a system may tie the device to
  // it; null: no window of the caller's); nullptr when there is none or it
  // cannot be set up.
  virtual std::unique_ptr<Gamepad> Open(const Guid& instance, OwnerWindow* reader) = 0;
};

// The installed gamepad system, else the real one.
Gamepads& GetGamepads();
// Installs `gamepads` (not owned; null restores the real one) and returns the
// one installed before (null when that was the real one).
Gamepads* SetGamepads(Gamepads* gamepads);
// The real gamepad system of this platform, defined by its backend.
Gamepads& RealGamepads();

}  // namespace platform
