#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <optional>
#include <vector>

#include "controls/GameActions.h"
#include "settings/DefaultPlayerControls.h"
#include "settings/PlayerControls.h"

// The first other action of `set`, in the set's check order, whose code in
// `block` equals `code`; nothing when `action` is not in the set or no other
// action holds the code. Code 0 is compared like any other.
std::optional<GameAction> FindGroupConflict(ActionSet set, GameAction action, std::int32_t code,
                                            const PlayerControls& block);

// A binding of another player that holds the same key.
struct PlayerConflict {
  std::size_t player;  // 0 to 3
  GameAction action;
};

// The keyboard bindings of the players other than `edited_player` that hold
// `code`, player by player, each player's actions in key order. Nothing for
// code 0; gamepad blocks never conflict across players.
std::vector<PlayerConflict> FindPlayerConflicts(
    std::int32_t code, const std::array<PlayerControls, kPlayerCount>& players,
    std::size_t edited_player);
