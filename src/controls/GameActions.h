#pragma once

#include <array>

#include "settings/GameAction.h"

// The two sets of actions whose bindings must differ: the menu set (the menu
// group and the shared group) and the game set (the game group and the
// shared group). A shared action belongs to both.
enum class ActionSet { kMenu, kGame };
enum class ActionGroup { kMenu, kShared, kGame };

// Every action in the order a block stores them.
inline constexpr std::array<GameAction, kGameActionCount> kAllActions = {
    GameAction::UP,          GameAction::DOWN,       GameAction::LEFT,     GameAction::RIGHT,
    GameAction::CANCEL,      GameAction::SELECT,     GameAction::HOLD,     GameAction::START,
    GameAction::ROTATERIGHT, GameAction::ROTATELEFT, GameAction::SOFTDROP, GameAction::HARDDROP,
};

// The actions in the order of their settings keys, which is the order the
// controller window refreshes its rows and reports other players' bindings.
inline constexpr std::array<GameAction, kGameActionCount> kActionsByKey = {
    GameAction::CANCEL, GameAction::DOWN,     GameAction::HARDDROP,   GameAction::HOLD,
    GameAction::LEFT,   GameAction::RIGHT,    GameAction::ROTATELEFT, GameAction::ROTATERIGHT,
    GameAction::SELECT, GameAction::SOFTDROP, GameAction::START,      GameAction::UP,
};

// The string-table id of the action's display name.
unsigned ActionNameId(GameAction action);
ActionGroup GroupOf(GameAction action);
bool BelongsTo(ActionSet set, GameAction action);
