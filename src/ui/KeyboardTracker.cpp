#include "ui/KeyboardTracker.h"

namespace ui {
namespace {

constexpr std::uint8_t kKeyUpMask = static_cast<std::uint8_t>(~platform::kKeyDownBit);

bool InTable(unsigned virtual_key) {
  return virtual_key != 0 && virtual_key < platform::kKeyboardStateSize;
}

}  // namespace

void KeyboardTracker::Press(unsigned virtual_key) {
  if (!InTable(virtual_key)) return;
  std::uint8_t& key = m_state[virtual_key];
  if ((key & platform::kKeyDownBit) == 0) key ^= platform::kKeyToggledBit;
  key |= platform::kKeyDownBit;
}

void KeyboardTracker::Release(unsigned virtual_key) {
  if (InTable(virtual_key)) m_state[virtual_key] &= kKeyUpMask;
}

void KeyboardTracker::ReleaseAll() {
  for (std::uint8_t& key : m_state) key &= kKeyUpMask;
}

}  // namespace ui
