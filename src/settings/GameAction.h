#pragma once

#include <cstddef>

// The twelve game actions in the order in which a PlayerControls block stores
// their binding codes. The controls layer adds their groups and conflict rules.
enum class GameAction : int {
  UP = 0,
  DOWN,
  LEFT,
  RIGHT,
  CANCEL,
  SELECT,
  HOLD,
  START,
  ROTATERIGHT,
  ROTATELEFT,
  SOFTDROP,
  HARDDROP,
};

inline constexpr std::size_t kGameActionCount = 12;

constexpr std::size_t ActionIndex(GameAction action) {
  return static_cast<std::size_t>(action);
}
