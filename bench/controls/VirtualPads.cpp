#include "VirtualPads.h"

#include <SDL.h>

VirtualPads::VirtualPads(int count) {
  // As the gamepad system does before its own start: SDL must leave SIGINT
  // and SIGTERM to the toolkit.
  SDL_SetHint(SDL_HINT_NO_SIGNAL_HANDLERS, "1");
  SDL_SetHint(SDL_HINT_JOYSTICK_ALLOW_BACKGROUND_EVENTS, "1");
  m_joystick_started = SDL_InitSubSystem(SDL_INIT_JOYSTICK) == 0;
  if (!m_joystick_started) return;
  for (int pad = 0; pad < count; ++pad) {
    SDL_VirtualJoystickDesc desc{};
    desc.version = SDL_VIRTUAL_JOYSTICK_DESC_VERSION;
    desc.type = SDL_JOYSTICK_TYPE_GAMECONTROLLER;
    desc.naxes = 6;
    desc.nbuttons = 15;
    desc.name = "Virtual Pad";
    if (SDL_JoystickAttachVirtualEx(&desc) < 0) break;
    ++m_count;
  }
}

VirtualPads::~VirtualPads() {
  if (!m_joystick_started) return;
  // Detaching renumbers the pads above, so detach from the top.
  for (int index = SDL_NumJoysticks() - 1; index >= 0; --index) {
    if (SDL_JoystickIsVirtual(index) == SDL_TRUE) SDL_JoystickDetachVirtual(index);
  }
  SDL_QuitSubSystem(SDL_INIT_JOYSTICK);
}
