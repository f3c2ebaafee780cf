#include "platform/KeyboardState.h"

#include <utility>

namespace platform {
namespace {

KeyboardStateBytes& TrackedState() {
  static KeyboardStateBytes state{};
  return state;
}

KeyboardStateHook& CurrentHook() {
  static KeyboardStateHook hook;
  return hook;
}

}  // namespace

void UpdateKeyboardState(unsigned virtual_key, KeyTransition transition) {
  if (virtual_key == 0 || virtual_key >= kKeyboardStateSize) {
    return;
  }
  std::uint8_t& key = TrackedState()[virtual_key];
  if (transition == KeyTransition::kUp) {
    key &= static_cast<std::uint8_t>(~kKeyDownBit);
    return;
  }
  if ((key & kKeyDownBit) == 0) {
    key ^= kKeyToggledBit;
  }
  key |= kKeyDownBit;
}

void ReleaseAllKeys() {
  for (std::uint8_t& key : TrackedState()) {
    key &= static_cast<std::uint8_t>(~kKeyDownBit);
  }
}

bool GetKeyboardState(KeyboardStateBytes& state) {
  const KeyboardStateHook& hook = CurrentHook();
  if (hook) {
    state.fill(0);
    hook(state);
  } else {
    state = TrackedState();
  }
  return true;
}

KeyboardStateHook SetKeyboardStateHook(KeyboardStateHook hook) {
  return std::exchange(CurrentHook(), std::move(hook));
}

}  // namespace platform
