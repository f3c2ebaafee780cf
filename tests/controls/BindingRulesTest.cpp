#include <gtest/gtest.h>

#include <set>

#include "controls/BindingCodes.h"
#include "controls/Conflicts.h"
#include "controls/DeviceList.h"
#include "controls/KeyNames.h"
#include "controls/KeyboardScanTable.h"
#include "platform/Installed.h"
#include "platform/KeyboardState.h"
#include "resources/GameResources.h"
#include "support/FakeGamepads.h"

namespace {

using A = GameAction;

PlayerControls DistinctCodes() {
  PlayerControls block = kDefaultPlayerControls[0];
  for (std::size_t i = 0; i < kGameActionCount; ++i) block.m_codes[i] = 200 + int(i);
  return block;
}

// Each set is searched in its own check order, never against the action
// itself; the defaults share a key only across the two sets; 0 is a code
// like any other here.
TEST(GroupConflict, SetsAndCheckOrders) {
  const PlayerControls& one = kDefaultPlayerControls[0];
  for (ActionSet set : {ActionSet::kMenu, ActionSet::kGame}) {
    for (GameAction action : kAllActions) {
      EXPECT_FALSE(FindGroupConflict(set, action, one[action], one)) << ActionIndex(action);
    }
  }
  EXPECT_EQ(FindGroupConflict(ActionSet::kMenu, A::SELECT, one[A::UP], one), A::UP);
  EXPECT_FALSE(FindGroupConflict(ActionSet::kGame, A::SELECT, one[A::UP], one));
  EXPECT_FALSE(FindGroupConflict(ActionSet::kMenu, A::HOLD, one[A::UP], one));

  PlayerControls block = DistinctCodes();
  block[A::START] = block[A::UP] = 99;
  EXPECT_EQ(FindGroupConflict(ActionSet::kMenu, A::SELECT, 99, block), A::START);
  block[A::HOLD] = block[A::RIGHT] = 98;
  EXPECT_EQ(FindGroupConflict(ActionSet::kGame, A::HARDDROP, 98, block), A::RIGHT);
  block[A::RIGHT] = 1;
  EXPECT_EQ(FindGroupConflict(ActionSet::kGame, A::HARDDROP, 98, block), A::HOLD);
  EXPECT_EQ(FindGroupConflict(ActionSet::kMenu, A::UP, 0, kDefaultPlayerControls[2]), A::START);
}

// Other keyboard players holding the code, in player order and key order;
// never the edited player, a gamepad player or the code 0.
TEST(PlayerConflicts, OtherKeyboardPlayersInKeyOrder) {
  std::array<PlayerControls, kPlayerCount> players = kDefaultPlayerControls;
  players[3][A::CANCEL] = 38;
  std::vector<PlayerConflict> found = FindPlayerConflicts(38, players, 1);
  ASSERT_EQ(found.size(), 3u);
  EXPECT_EQ(found[0].player, 0u);
  EXPECT_EQ(found[0].action, A::ROTATERIGHT);
  EXPECT_EQ(found[1].action, A::UP);
  EXPECT_EQ(found[2].player, 3u);
  EXPECT_EQ(FindPlayerConflicts(38, players, 0).size(), 1u);
  players[3].m_device = Guid{7, 0, 0, {}};
  EXPECT_TRUE(FindPlayerConflicts(38, players, 0).empty());
  EXPECT_TRUE(FindPlayerConflicts(kKeyNone, players, 0).empty());
}

// Names by code in either table (the keyboard's by the controller window's
// refusal), nothing for codes no row has; the keyboard table offers exactly
// the keys the capture window can produce, plus none.
TEST(KeyNames, NamesAndTables) {
  resources::GameResources resources;
  EXPECT_EQ(NameOfCode(DeviceKind::kGamepad, kPadRight), "Right");
  EXPECT_EQ(NameOfCode(DeviceKind::kGamepad, kPadNoInput), "");
  EXPECT_EQ(NameOfCode(DeviceKind::kKeyboard, 300), "");

  std::set<std::uint32_t> listed, scanned;
  for (const KeyNameRow& row : NameTable(DeviceKind::kKeyboard)) listed.insert(row.code);
  for (const KeyScanRow& row : kKeyboardScanTable) scanned.insert(std::uint32_t(row.code));
  scanned.insert(kKeyNone);
  EXPECT_EQ(NameTable(DeviceKind::kKeyboard).size(), 97u);
  EXPECT_EQ(listed, scanned);
  EXPECT_EQ(NameTable(DeviceKind::kGamepad).size(), 19u);
}

// The first held key of the table wins; Escape and the keys at 0x80 and up
// give their own codes; toggles and keys that cannot be bound count as nothing.
TEST(KeyboardScan, FirstHeldKeyInTableOrder) {
  const std::pair<std::vector<unsigned>, std::int32_t> rows[] = {
      {{0x41, 0x10}, 0x10}, {{0x60, 0x41}, 0x41},     {{0x1B}, kKeyEscape}, {{0x90}, 0x5F},
      {{0xDE, 0xBA}, 0x15}, {{0x12, 0x5B}, kKeyNone}, {{}, kKeyNone},
  };
  for (const auto& [held, code] : rows) {
    SCOPED_TRACE(testing::PrintToString(held));
    platform::KeyboardStateBytes state{};
    state[0x14] = platform::kKeyToggledBit;
    for (unsigned key : held) state[key] = platform::kKeyDownBit;
    EXPECT_EQ(ScanKeyboard(state), code);
  }
}

// The keyboard always first; pads once each; a full list replaces its last
// entry; without a gamepad system only the keyboard and the reason.
TEST(DeviceList, EnumerationAndLimit) {
  resources::GameResources resources;
  FakeGamepads pads;
  platform::Installed installed_pads(pads, &platform::SetGamepads);
  DeviceList list;
  EXPECT_FALSE(EnumerateDevices(list));
  ASSERT_EQ(list.Count(), 1u);
  EXPECT_EQ(list[0].name, "Keyboard");
  EXPECT_EQ(list[0].guid, KeyboardDeviceGuid);

  const Guid pad = pads.Plug("Pad", 5);
  pads.Plug("Pad again", 5);
  pads.Plug("Other", 6);
  EXPECT_FALSE(EnumerateDevices(list));
  ASSERT_EQ(list.Count(), 3u);
  EXPECT_EQ(list[1].guid, pad);
  EXPECT_EQ(list[2].name, "Other");

  pads.start_error = platform::SystemError{0, "no joystick support"};
  EXPECT_EQ(EnumerateDevices(list)->text, "no joystick support");
  EXPECT_EQ(list.Count(), 1u);

  for (std::uint32_t n = 1; n <= 300; ++n) list.Add({Guid{n, 0, 0, {}}, "Pad"});
  ASSERT_EQ(list.Count(), DeviceList::kMaxEntries);
  EXPECT_EQ(list[253].guid.data1, 253u);
  EXPECT_EQ(list[254].guid.data1, 300u);
}

}  // namespace
