#pragma once

#include <SDL.h>

#include "platform/SystemResult.h"

namespace platform::posix {

// Every SDL function the gamepad backend calls. SDL's headers give the types;
// the library itself is loaded on the first use of the gamepad system rather
// than linked: loading and relocating it and the thirty-odd libraries it pulls
// in cost milliseconds at every start, and most starts never open the
// controller window.
#define QV_SDL_FUNCTIONS(X)          \
  X(SDL_SetHint)                     \
  X(SDL_Init)                        \
  X(SDL_GetError)                    \
  X(SDL_FlushEvents)                 \
  X(SDL_NumJoysticks)                \
  X(SDL_IsGameController)            \
  X(SDL_GameControllerNameForIndex)  \
  X(SDL_JoystickNameForIndex)        \
  X(SDL_JoystickPathForIndex)        \
  X(SDL_JoystickGetDeviceGUID)       \
  X(SDL_JoystickGetDeviceInstanceID) \
  X(SDL_JoystickOpen)                \
  X(SDL_JoystickClose)               \
  X(SDL_JoystickGetSerial)           \
  X(SDL_JoystickGetAttached)         \
  X(SDL_JoystickUpdate)              \
  X(SDL_JoystickNumButtons)          \
  X(SDL_JoystickGetButton)           \
  X(SDL_JoystickNumAxes)             \
  X(SDL_JoystickGetAxis)

// The resolved functions, named as SDL names them.
struct SdlLibrary {
#define QV_SDL_FUNCTION_POINTER(name) decltype(&::name) name = nullptr;
  QV_SDL_FUNCTIONS(QV_SDL_FUNCTION_POINTER)
#undef QV_SDL_FUNCTION_POINTER
};

inline constexpr const char* kSdlLibraryName = "libSDL2-2.0.so.0";

// Loads `library_name` and resolves every function; the error names the
// library or the function that is missing. A library that resolves stays
// loaded for the rest of the process: SDL keeps threads and state of its own.
SystemResult<SdlLibrary> LoadSdlLibrary(const char* library_name);

// The process's SDL (kSdlLibraryName), loaded by the first call that finds
// it; a failed load is tried again at the next call.
SystemResult<const SdlLibrary*> SdlLibraryForThisProcess();

}  // namespace platform::posix
