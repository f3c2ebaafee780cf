#pragma once

#include <array>
#include <cstddef>
#include <cstdint>

#include "controls/DeviceList.h"
#include "settings/DefaultPlayerControls.h"
#include "settings/PlayerControls.h"
#include "ui/Dialog.h"

// The window in which one player chooses a device and rebinds the twelve
// actions. It works on copies: a keyboard and a gamepad working block (the
// active one belongs to the chosen device) and the four players' blocks,
// which lose bindings when the player takes a key from another player. OK
// writes them into the settings record; Cancel drops them.
class ControllerDialog : public Dialog {
 public:
  // `player_block` is one of the four blocks of GameSettings::s_instance;
  // which one tells the player edited.
  ControllerDialog(PlayerControls& player_block, Dialog* parent);

 protected:
  bool OnInitDialog() override;
  void OnOK() override;
  // The window has no help of its own.
  void OnHelp() override {}
  void OnDestroy() override;

 private:
  void PrepareWorkingBlocks();
  void EnumerateAndFillDevices();
  void ApplyDeviceSelection();
  void RefillActionList(GameAction action);
  void ApplySelectedCode(GameAction action);
  // Asks about every other keyboard player holding `code`; Yes clears their
  // binding, No refuses the code. True when the code may be taken.
  bool ResolvePlayerConflicts(std::int32_t code);
  void Assign(GameAction action);
  void Restore();

  PlayerControls& ActiveBlock();
  const Guid& SelectedDevice() const;
  void SelectCode(GameAction action, std::int32_t code);

  PlayerControls& m_player_block;
  std::size_t m_edited_player = 0;
  DeviceList m_devices;
  std::array<PlayerControls, kPlayerCount> m_players;
  PlayerControls m_keyboard_block;
  PlayerControls m_gamepad_block;
  bool m_is_keyboard = true;
  bool m_busy = false;
};
