#include "controls/GamepadPoller.h"

#include <optional>

#include "controls/BindingCodes.h"

namespace {

// A stick within this distance of the centre on both axes counts as centred.
constexpr std::int32_t kDeadZone = 10;

std::int32_t CodeOf(const platform::GamepadState& state) {
  for (std::size_t button = 0; button < platform::kGamepadButtonCount; ++button) {
    if ((state.buttons[button] & platform::kGamepadButtonDownBit) != 0) {
      return kPadButtonFirst + static_cast<std::int32_t>(button);
    }
  }
  if (state.y < -kDeadZone) return kPadUp;
  if (state.y > kDeadZone) return kPadDown;
  if (state.x < -kDeadZone) return kPadLeft;
  if (state.x > kDeadZone) return kPadRight;
  return kPadNoInput;
}

}  // namespace

GamepadPoller::GamepadPoller() = default;
GamepadPoller::~GamepadPoller() = default;

std::int32_t GamepadPoller::Drop() {
  m_pad.reset();
  return kPadNoInput;
}

std::int32_t GamepadPoller::Poll(const Guid& device, platform::OwnerWindow* reader) {
  if (m_pad) {
    const bool other_pad = !(m_pad->GetInstanceGuid() == device);
    m_pad->Unacquire();
    if (other_pad) {
      m_pad.reset();
    }
  }
  if (!m_pad) {
    m_pad = platform::GetGamepads().Open(device, reader);
    if (!m_pad) {
      return kPadNoInput;
    }
  }
  if (!m_pad->Acquire()) {
    return Drop();
  }
  std::optional<platform::GamepadState> state;
  if (m_pad->Poll()) {
    state = m_pad->ReadState();
  }
  if (!state) {
    m_pad->Unacquire();
    return Drop();
  }
  const std::int32_t code = CodeOf(*state);
  // With nothing held the pad stays acquired until the next tick.
  if (code != kPadNoInput) {
    m_pad->Unacquire();
  }
  return code;
}
