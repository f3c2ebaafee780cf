#include "platform/posix/SdlGamepad.h"

#include <SDL_events.h>

namespace platform {
namespace {

// -32768..32767 onto -100..100, rounded, so that both ends are reached and a
// resting stick (0 or -1) reads 0.
std::int32_t ScaleAxis(Sint16 value) {
  constexpr std::int32_t kSpan = kGamepadAxisMax - kGamepadAxisMin;
  return ((value + 32768) * kSpan + 32767) / 65535 + kGamepadAxisMin;
}

}  // namespace

void UpdateSdlJoysticks() {
  SDL_JoystickUpdate();
  SDL_FlushEvents(SDL_FIRSTEVENT, SDL_LASTEVENT);
}

SdlGamepad::SdlGamepad(const Guid& instance, SDL_Joystick* joystick)
    : m_instance(instance), m_joystick(joystick) {}

SdlGamepad::~SdlGamepad() {
  SDL_JoystickClose(m_joystick);
}

bool SdlGamepad::IsAttached() const {
  return SDL_JoystickGetAttached(m_joystick) == SDL_TRUE;
}

bool SdlGamepad::Acquire() {
  return IsAttached();
}

bool SdlGamepad::Poll() {
  UpdateSdlJoysticks();
  return IsAttached();
}

std::optional<GamepadState> SdlGamepad::ReadState() {
  if (!IsAttached()) return std::nullopt;
  GamepadState state;
  const int buttons = SDL_JoystickNumButtons(m_joystick);
  for (int button = 0; button < buttons && button < static_cast<int>(kGamepadButtonCount);
       ++button) {
    if (SDL_JoystickGetButton(m_joystick, button) != 0) {
      state.buttons[static_cast<std::size_t>(button)] = kGamepadButtonDownBit;
    }
  }
  // A pad without a stick reads as centred rather than failing, so that its
  // buttons can still be bound.
  const int axes = SDL_JoystickNumAxes(m_joystick);
  if (axes > 0) state.x = ScaleAxis(SDL_JoystickGetAxis(m_joystick, 0));
  if (axes > 1) state.y = ScaleAxis(SDL_JoystickGetAxis(m_joystick, 1));
  return state;
}

}  // namespace platform
