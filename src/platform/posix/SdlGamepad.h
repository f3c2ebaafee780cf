#pragma once

#include <SDL_joystick.h>

#include "platform/Gamepads.h"
#include "platform/posix/SdlLibrary.h"

namespace platform::posix {

// Brings SDL's joysticks up to date (states, and pads plugged in or out) and
// drops the events that queues: nothing else in the tool reads SDL's queue,
// which would otherwise fill up.
void UpdateSdlJoysticks(const SdlLibrary& sdl);

// One opened SDL joystick. SDL keeps a detached joystick's object valid until
// it is closed, so each step checks that the pad is still attached.
class SdlGamepad final : public Gamepad {
 public:
  // Takes over `joystick`, an opened joystick of `sdl`, which must outlive
  // this object.
  SdlGamepad(const SdlLibrary& sdl, const Guid& instance, SDL_Joystick* joystick);
  ~SdlGamepad() override;
  SdlGamepad(const SdlGamepad&) = delete;
  SdlGamepad& operator=(const SdlGamepad&) = delete;

  Guid GetInstanceGuid() const override { return m_instance; }
  bool Acquire() override;
  // SDL shares a joystick with everyone, so there is nothing to give back.
  void Unacquire() override {}
  bool Poll() override;
  std::optional<GamepadState> ReadState() override;

 private:
  bool IsAttached() const;

  const SdlLibrary& m_sdl;
  Guid m_instance;
  SDL_Joystick* m_joystick;
};

}  // namespace platform::posix
