#include "controls/GameActions.h"

namespace {

struct ActionInfo {
  unsigned name_id;
  ActionGroup group;
};

// Indexed by GameAction.
constexpr ActionInfo kActionInfo[kGameActionCount] = {
    {26, ActionGroup::kMenu},   {27, ActionGroup::kMenu},   {28, ActionGroup::kShared},
    {29, ActionGroup::kShared}, {12, ActionGroup::kMenu},   {51, ActionGroup::kMenu},
    {53, ActionGroup::kGame},   {45, ActionGroup::kShared}, {47, ActionGroup::kGame},
    {48, ActionGroup::kGame},   {50, ActionGroup::kGame},   {49, ActionGroup::kGame},
};

}  // namespace

unsigned ActionNameId(GameAction action) {
  return kActionInfo[ActionIndex(action)].name_id;
}

ActionGroup GroupOf(GameAction action) {
  return kActionInfo[ActionIndex(action)].group;
}

bool BelongsTo(ActionSet set, GameAction action) {
  const ActionGroup group = GroupOf(action);
  if (group == ActionGroup::kShared) {
    return true;
  }
  return set == ActionSet::kMenu ? group == ActionGroup::kMenu : group == ActionGroup::kGame;
}
