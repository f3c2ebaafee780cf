#pragma once

#include <array>
#include <cstdint>

#include "platform/Guid.h"
#include "settings/GameAction.h"

// One player's bindings: a signed code per game action, indexed by
// GameAction, and the input device the player uses. Copied by value.
struct PlayerControls {
  std::array<int32_t, kGameActionCount> m_codes{};
  Guid m_device;

  int32_t& operator[](GameAction action) { return m_codes[ActionIndex(action)]; }
  int32_t operator[](GameAction action) const { return m_codes[ActionIndex(action)]; }

  friend bool operator==(const PlayerControls&, const PlayerControls&) = default;
};
