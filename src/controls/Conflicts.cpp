#include "controls/Conflicts.h"

#include <span>

#include "controls/BindingCodes.h"
#include "controls/DeviceKind.h"

namespace {

using A = GameAction;

// The order in which each set is searched; the first match is reported.
constexpr GameAction kMenuCheckOrder[] = {A::START, A::UP,   A::SELECT, A::RIGHT,
                                          A::LEFT,  A::DOWN, A::CANCEL};
constexpr GameAction kGameCheckOrder[] = {A::RIGHT,    A::LEFT,        A::START,      A::HARDDROP,
                                          A::SOFTDROP, A::ROTATERIGHT, A::ROTATELEFT, A::HOLD};

std::span<const GameAction> CheckOrder(ActionSet set) {
  if (set == ActionSet::kMenu) {
    return kMenuCheckOrder;
  }
  return kGameCheckOrder;
}

}  // namespace

std::optional<GameAction> FindGroupConflict(ActionSet set, GameAction action, std::int32_t code,
                                            const PlayerControls& block) {
  if (!BelongsTo(set, action)) {
    return std::nullopt;
  }
  for (GameAction other : CheckOrder(set)) {
    if (other != action && block[other] == code) {
      return other;
    }
  }
  return std::nullopt;
}

std::vector<PlayerConflict> FindPlayerConflicts(
    std::int32_t code, const std::array<PlayerControls, kPlayerCount>& players,
    std::size_t edited_player) {
  std::vector<PlayerConflict> conflicts;
  if (code == kKeyNone) {
    return conflicts;
  }
  for (std::size_t player = 0; player < players.size(); ++player) {
    if (player == edited_player || !IsKeyboard(players[player].m_device)) {
      continue;
    }
    for (GameAction action : kActionsByKey) {
      if (players[player][action] == code) {
        conflicts.push_back({player, action});
      }
    }
  }
  return conflicts;
}
