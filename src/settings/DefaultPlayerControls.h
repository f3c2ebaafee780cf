#pragma once

#include <array>
#include <cstddef>

#include "platform/Guid.h"
#include "settings/PlayerControls.h"

inline constexpr std::size_t kPlayerCount = 4;

// The keyboard pseudo-device {A4565428-396B-2537-1B5D-3818360BAADD}. A block
// whose device equals it is a keyboard block; any number of players may use it.
extern const Guid KeyboardDeviceGuid;

// The default blocks of the four players, keyboard device included. Built
// once at start-up, before any window opens.
extern const std::array<PlayerControls, kPlayerCount> kDefaultPlayerControls;

// The gamepad layout every player starts from when choosing a pad; its
// device stays all-zero until a pad is chosen.
extern const PlayerControls kDefaultGamepadControls;
