#include "controls/ControllerDialog.h"

#include <optional>
#include <string>

#include "controls/BindingCodes.h"
#include "controls/CaptureDialog.h"
#include "controls/Conflicts.h"
#include "controls/DeviceKind.h"
#include "controls/GameActions.h"
#include "controls/KeyNames.h"
#include "platform/MessageBox.h"
#include "resources/ResourceIds.h"
#include "resources/StringIds.h"
#include "settings/GameSettings.h"
#include "ui/Notification.h"
#include "ui/ResourceStrings.h"

namespace {

int ListId(GameAction action) {
  return resources::kControllerActionListBase + static_cast<int>(ActionIndex(action));
}

int AssignId(GameAction action) {
  return resources::kControllerAssignBase + static_cast<int>(ActionIndex(action));
}

int LabelId(GameAction action) {
  return resources::kControllerActionLabelBase + static_cast<int>(ActionIndex(action));
}

GameAction ActionOfControl(int control_id, int base) {
  return static_cast<GameAction>(control_id - base);
}

std::string PlayerName(std::size_t player) {
  return ui::LoadString(kStrPlayer1 + static_cast<unsigned>(player));
}

}  // namespace

ControllerDialog::ControllerDialog(PlayerControls& player_block, Dialog* parent)
    : Dialog(resources::kControllerDialog, parent), m_player_block(player_block) {
  const auto& players = GameSettings::s_instance->m_players;
  for (std::size_t player = 0; player < players.size(); ++player) {
    if (&players[player] == &m_player_block) {
      m_edited_player = player;
    }
  }
  PrepareWorkingBlocks();

  using ui::Notification;
  const int last = static_cast<int>(kGameActionCount) - 1;
  const int lists = resources::kControllerActionListBase;
  const int assigns = resources::kControllerAssignBase;
  MapCommand(resources::kControllerDeviceList, Notification::kSelectionChanged,
             [this] { ApplyDeviceSelection(); });
  MapCommandRange(lists, lists + last, Notification::kDropDown,
                  [this, lists](int id) { RefillActionList(ActionOfControl(id, lists)); });
  MapCommandRange(lists, lists + last, Notification::kSelectionChanged,
                  [this, lists](int id) { ApplySelectedCode(ActionOfControl(id, lists)); });
  MapCommandRange(assigns, assigns + last, Notification::kClicked,
                  [this, assigns](int id) { Assign(ActionOfControl(id, assigns)); });
  MapCommand(resources::kControllerRestore, Notification::kClicked, [this] { Restore(); });
}

void ControllerDialog::PrepareWorkingBlocks() {
  m_players = GameSettings::s_instance->m_players;
  const PlayerControls& edited = m_players[m_edited_player];
  if (IsKeyboard(edited.m_device)) {
    m_keyboard_block = edited;
    m_gamepad_block = kDefaultGamepadControls;
    m_is_keyboard = true;
  } else {
    m_gamepad_block = edited;
    m_keyboard_block = kDefaultPlayerControls[m_edited_player];
    m_is_keyboard = false;
  }
}

PlayerControls& ControllerDialog::ActiveBlock() {
  return m_is_keyboard ? m_keyboard_block : m_gamepad_block;
}

bool ControllerDialog::OnInitDialog() {
  Dialog::OnInitDialog();
  SetWindowText(ui::LoadString(kStrControllerTitle));
  SetControlText(resources::kControllerDeviceLabel, ui::LoadString(kStrControllerLabel));
  SetControlText(resources::kControllerMenuGroup, ui::LoadString(kStrMenuGroup));
  SetControlText(resources::kControllerSharedGroup, ui::LoadString(kStrSharedGroup));
  SetControlText(resources::kControllerGameGroup, ui::LoadString(kStrGameGroup));
  for (GameAction action : kAllActions) {
    SetControlText(LabelId(action), ui::LoadString(ActionNameId(action)));
    SetControlText(AssignId(action), ui::LoadString(kStrAssign));
    // Twelve buttons of one text: screen readers say which action each assigns.
    SetControlAccessibleName(
        AssignId(action), ui::LoadString(kStrAssign) + " " + ui::LoadString(ActionNameId(action)));
  }
  SetControlText(platform::kIdOk, ui::LoadString(kStrOk));
  SetControlText(platform::kIdCancel, ui::LoadString(kStrCancel));
  SetControlText(resources::kControllerRestore, ui::LoadString(kStrRestore));
  EnumerateAndFillDevices();
  ApplyDeviceSelection();
  return true;
}

void ControllerDialog::EnumerateAndFillDevices() {
  if (const std::optional<platform::SystemError> failure = EnumerateDevices(m_devices)) {
    MessageBox(failure->text, ui::LoadString(kStrGameErrorCaption),
               platform::kMbOk | platform::kMbIconStop);
  }
  const int list = resources::kControllerDeviceList;
  ResetList(list);
  SetListSelection(list, AddListItem(list, m_devices[0].name, 0));
  for (std::size_t entry = 1; entry < m_devices.Count(); ++entry) {
    const Guid& device = m_devices[entry].guid;
    std::optional<std::size_t> user;
    for (std::size_t player = 0; player < m_players.size() && !user; ++player) {
      if (m_players[player].m_device == device) {
        user = player;
      }
    }
    // A pad that another player uses is not offered.
    if (!user) {
      AddListItem(list, m_devices[entry].name, static_cast<std::intptr_t>(entry));
    } else if (m_players[*user].m_device == m_gamepad_block.m_device) {
      SetListSelection(list,
                       AddListItem(list, m_devices[entry].name, static_cast<std::intptr_t>(entry)));
    }
  }
}

const Guid& ControllerDialog::SelectedDevice() const {
  const int list = resources::kControllerDeviceList;
  const std::intptr_t entry = GetListItemData(list, GetListSelection(list));
  if (entry < 0 || static_cast<std::size_t>(entry) >= m_devices.Count()) {
    return m_devices[0].guid;
  }
  return m_devices[static_cast<std::size_t>(entry)].guid;
}

void ControllerDialog::ApplyDeviceSelection() {
  // The gamepad block takes the chosen device even when it is the keyboard;
  // choosing a pad later overwrites it.
  m_gamepad_block.m_device = SelectedDevice();
  m_is_keyboard = IsKeyboard(m_gamepad_block.m_device);
  for (GameAction action : kActionsByKey) {
    EnableControl(ListId(action));
    EnableControl(AssignId(action));
    RefillActionList(action);
  }
}

void ControllerDialog::RefillActionList(GameAction action) {
  if (m_busy) {
    return;
  }
  const int list = ListId(action);
  ResetList(list);
  const PlayerControls& block = ActiveBlock();
  const DeviceKind kind = m_is_keyboard ? DeviceKind::kKeyboard : DeviceKind::kGamepad;
  const std::span<const KeyNameRow> table = NameTable(kind);
  int current = -1;
  for (std::size_t row = 0; row < table.size(); ++row) {
    const auto code = static_cast<std::int32_t>(table[row].code);
    const bool none_row = kind == DeviceKind::kKeyboard && row == 0;
    if (!none_row && (FindGroupConflict(ActionSet::kGame, action, code, block) ||
                      FindGroupConflict(ActionSet::kMenu, action, code, block))) {
      continue;
    }
    const int item = AddListItem(list, ui::LoadString(table[row].string_id), code);
    if (code == block[action]) {
      current = item;
    }
  }
  // A code that no row offers (a hand-edited file) shows the first item but
  // stays stored until the player picks another.
  SetListSelection(list, current >= 0 ? current : 0);
}

void ControllerDialog::SelectCode(GameAction action, std::int32_t code) {
  const int index = FindListItemData(ListId(action), code);
  SetListSelection(ListId(action), index >= 0 ? index : 0);
}

bool ControllerDialog::ResolvePlayerConflicts(std::int32_t code) {
  if (!IsKeyboard(ActiveBlock().m_device)) {
    return true;
  }
  for (const PlayerConflict& conflict : FindPlayerConflicts(code, m_players, m_edited_player)) {
    const std::string player = PlayerName(conflict.player);
    const std::string text = ui::FormatString(
        kStrPlayerConflict, {player, ui::LoadString(ActionNameId(conflict.action)), player});
    if (MessageBox(text, ui::LoadString(kStrConflictCaption),
                   platform::kMbYesNo | platform::kMbIconStop) != platform::kIdYes) {
      return false;
    }
    m_players[conflict.player][conflict.action] = kKeyNone;
  }
  return true;
}

void ControllerDialog::ApplySelectedCode(GameAction action) {
  const int list = ListId(action);
  const int selection = GetListSelection(list);
  if (selection < 0) {
    return;
  }
  const auto code = static_cast<std::int32_t>(GetListItemData(list, selection));
  m_busy = true;
  if (ResolvePlayerConflicts(code)) {
    ActiveBlock()[action] = code;
  } else {
    SelectCode(action, ActiveBlock()[action]);
  }
  m_busy = false;
  // Closes the list and ends the control's pending state, as after any edit.
  MoveFocusToWindowAndBack();
}

void ControllerDialog::Assign(GameAction action) {
  RefillActionList(action);
  const Guid device = SelectedDevice();
  CaptureDialog capture;
  capture.SetDevice(device);
  capture.DoModal();
  const std::int32_t code = capture.GetResult();
  const std::int32_t nothing = IsKeyboard(device) ? kKeyNone : kPadNoInput;
  if (code == kCaptureNotWatched || code == nothing) {
    return;
  }
  const int list = ListId(action);
  const int found = FindListItemData(list, code);
  if (found < 0) {
    const DeviceKind kind = KindOf(device);
    std::optional<GameAction> holder =
        FindGroupConflict(ActionSet::kMenu, action, code, ActiveBlock());
    if (!holder) {
      holder = FindGroupConflict(ActionSet::kGame, action, code, ActiveBlock());
    }
    const std::string holder_name =
        holder ? ui::LoadString(ActionNameId(*holder)) : ui::LoadString(kStrAnotherKey);
    MessageBox(ui::FormatString(kStrCodeInUse, {NameOfCode(kind, code), holder_name}),
               ui::LoadString(kStrConflictCaption), platform::kMbOk | platform::kMbIconStop);
    return;
  }
  const int previous = GetListSelection(list);
  SetListSelection(list, found);
  if (!ResolvePlayerConflicts(code)) {
    SetListSelection(list, previous);
  }
  ApplySelectedCode(action);
}

void ControllerDialog::Restore() {
  PrepareWorkingBlocks();
  EnumerateAndFillDevices();
  ApplyDeviceSelection();
}

void ControllerDialog::OnOK() {
  GameSettings& settings = *GameSettings::s_instance;
  settings.m_players = m_players;
  m_player_block = ActiveBlock();
  Dialog::OnOK();
}

void ControllerDialog::OnDestroy() {
  m_devices.Clear();
}
