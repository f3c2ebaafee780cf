#pragma once

#include <SDL.h>

namespace test {

// A virtual joystick plugged into SDL for its lifetime, with a handle to move
// its controls; SDL's joystick part must be started. It is found again by
// SDL's id, since unplugging renumbers the rest.
class VirtualPad {
 public:
  explicit VirtualPad(const char* name, SDL_JoystickType type = SDL_JOYSTICK_TYPE_GAMECONTROLLER,
                      int axes = 6, int buttons = 15) {
    SDL_VirtualJoystickDesc desc{};
    desc.version = SDL_VIRTUAL_JOYSTICK_DESC_VERSION;
    desc.type = static_cast<Uint16>(type);
    desc.naxes = static_cast<Uint16>(axes);
    desc.nbuttons = static_cast<Uint16>(buttons);
    desc.name = name;
    const int index = SDL_JoystickAttachVirtualEx(&desc);
    if (index < 0) return;
    m_id = SDL_JoystickGetDeviceInstanceID(index);
    m_handle = SDL_JoystickOpen(index);
  }
  ~VirtualPad() { Unplug(); }
  VirtualPad(const VirtualPad&) = delete;
  VirtualPad& operator=(const VirtualPad&) = delete;

  bool Plugged() const { return m_handle != nullptr; }
  void SetButton(int button, bool down) {
    SDL_JoystickSetVirtualButton(m_handle, button, down ? SDL_PRESSED : SDL_RELEASED);
  }
  void SetAxis(int axis, Sint16 value) { SDL_JoystickSetVirtualAxis(m_handle, axis, value); }
  void Unplug() {
    if (m_handle == nullptr) return;
    for (int index = 0; index < SDL_NumJoysticks(); ++index) {
      if (SDL_JoystickGetDeviceInstanceID(index) == m_id) SDL_JoystickDetachVirtual(index);
    }
    SDL_JoystickClose(m_handle);
    m_handle = nullptr;
  }

 private:
  SDL_JoystickID m_id = -1;
  SDL_Joystick* m_handle = nullptr;
};

}  // namespace test
