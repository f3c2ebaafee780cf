#include "platform/posix/SdlGamepad.h"

#include <SDL_events.h>

namespace platform::posix {
namespace {

// -32768..32767 onto -100..100, rounded, so that both ends are reached and a
// resting stick (0 or -1) reads 0.
std::int32_t ScaleAxis(Sint16 value) {
  constexpr std::int32_t kSpan = kGamepadAxisMax - kGamepadAxisMin;
  return ((value + 32768) * kSpan + 32767) / 65535 + kGamepadAxisMin;
}

}  // namespace

void UpdateSdlJoysticks(const SdlLibrary& sdl) {
  sdl.SDL_JoystickUpdate();
  sdl.SDL_FlushEvents(SDL_FIRSTEVENT, SDL_LASTEVENT);
}

SdlGamepad::SdlGamepad(const SdlLibrary& sdl, const Guid& instance, SDL_Joystick* joystick)
    : m_sdl(sdl), m_instance(instance), m_joystick(joystick) {}

SdlGamepad::~SdlGamepad() {
  m_sdl.SDL_JoystickClose(m_joystick);
}

bool SdlGamepad::IsAttached() const {
  return m_sdl.SDL_JoystickGetAttached(m_joystick) == SDL_TRUE;
}

bool SdlGamepad::Acquire() {
  return IsAttached();
}

bool SdlGamepad::Poll() {
  UpdateSdlJoysticks(m_sdl);
  return IsAttached();
}

std::optional<GamepadState> SdlGamepad::ReadState() {
  if (!IsAttached()) return std::nullopt;
  GamepadState state;
  const int buttons = m_sdl.SDL_JoystickNumButtons(m_joystick);
  for (int button = 0; button < buttons && button < static_cast<int>(kGamepadButtonCount);
       ++button) {
    if (m_sdl.SDL_JoystickGetButton(m_joystick, button) != 0) {
      state.buttons[static_cast<std::size_t>(button)] = kGamepadButtonDownBit;
    }
  }
  // A pad without a stick reads as centred rather than failing, so that its
  // buttons can still be bound.
  const int axes = m_sdl.SDL_JoystickNumAxes(m_joystick);
  if (axes > 0) state.x = ScaleAxis(m_sdl.SDL_JoystickGetAxis(m_joystick, 0));
  if (axes > 1) state.y = ScaleAxis(m_sdl.SDL_JoystickGetAxis(m_joystick, 1));
  return state;
}

}  // namespace platform::posix
