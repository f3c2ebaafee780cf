#include "settings/DefaultPlayerControls.h"

const Guid KeyboardDeviceGuid{
    0xA4565428, 0x396B, 0x2537, {0x1B, 0x5D, 0x38, 0x18, 0x36, 0x0B, 0xAA, 0xDD}};

namespace {

PlayerControls MakeBlock(const std::array<int32_t, kGameActionCount>& codes) {
  PlayerControls block;
  block.m_codes = codes;
  block.m_device = KeyboardDeviceGuid;
  return block;
}

}  // namespace

// Defined after KeyboardDeviceGuid in this file, so the identifier is in place
// when the blocks copy it during start-up.
const std::array<PlayerControls, kPlayerCount> kDefaultPlayerControls{
    MakeBlock({38, 40, 37, 39, 10, 13, 16, 112, 38, 17, 40, 32}),
    MakeBlock({104, 101, 100, 102, 123, 22, 97, 106, 104, 103, 101, 96}),
    MakeBlock({}),
    MakeBlock({}),
};

// Stick up/down/left/right for the directions, buttons 1 to 4 for the rest.
const PlayerControls kDefaultGamepadControls{{15, 16, 18, 17, 1, 0, 2, 3, 0, 1, 16, 15}, Guid{}};
