#pragma once

#include <memory>

#include "platform/Gamepads.h"
#include "platform/win32/Win32Support.h"

#ifndef DIRECTINPUT_VERSION
#define DIRECTINPUT_VERSION 0x0800
#endif
#include <dinput.h>

namespace platform::win32 {

// One DirectInput 8 device read as a gamepad: the standard joystick format,
// non-exclusive and in the background, X and Y from -100 to 100.
class DirectInputGamepad final : public Gamepad {
 public:
  // Sets `device` up (taking its reference) for reading by `window`, the
  // top-level window it is tied to; null, with the device released, when any
  // step of that fails.
  static std::unique_ptr<Gamepad> SetUp(const Guid& instance, IDirectInputDevice8A* device,
                                        HWND window);

  DirectInputGamepad(const Guid& instance, IDirectInputDevice8A* device)
      : m_instance(instance), m_device(device) {}
  ~DirectInputGamepad() override;
  DirectInputGamepad(const DirectInputGamepad&) = delete;
  DirectInputGamepad& operator=(const DirectInputGamepad&) = delete;

  Guid GetInstanceGuid() const override { return m_instance; }
  bool Acquire() override;
  void Unacquire() override;
  bool Poll() override;
  std::optional<GamepadState> ReadState() override;

 private:
  Guid m_instance;
  IDirectInputDevice8A* m_device;
};

}  // namespace platform::win32
