#include "platform/win32/DirectInputGamepad.h"

#include <cstddef>

namespace platform::win32 {
namespace {

bool SetAxisRange(IDirectInputDevice8A* device, DWORD offset) {
  DIPROPRANGE range{};
  range.diph.dwSize = sizeof range;
  range.diph.dwHeaderSize = sizeof range.diph;
  range.diph.dwObj = offset;
  range.diph.dwHow = DIPH_BYOFFSET;
  range.lMin = kGamepadAxisMin;
  range.lMax = kGamepadAxisMax;
  return SUCCEEDED(device->SetProperty(DIPROP_RANGE, &range.diph));
}

}  // namespace

std::unique_ptr<Gamepad> DirectInputGamepad::SetUp(const Guid& instance,
                                                   IDirectInputDevice8A* device, HWND window) {
  auto gamepad = std::make_unique<DirectInputGamepad>(instance, device);
  // Background and non-exclusive: the pad is read while another program is
  // in front too, through the window that reads it.
  const bool set_up =
      SUCCEEDED(device->SetDataFormat(&c_dfDIJoystick)) &&
      SUCCEEDED(device->SetCooperativeLevel(window, DISCL_NONEXCLUSIVE | DISCL_BACKGROUND)) &&
      SetAxisRange(device, offsetof(DIJOYSTATE, lX)) &&
      SetAxisRange(device, offsetof(DIJOYSTATE, lY));
  if (!set_up) return nullptr;
  return gamepad;
}

DirectInputGamepad::~DirectInputGamepad() {
  m_device->Unacquire();
  m_device->Release();
}

bool DirectInputGamepad::Acquire() {
  return SUCCEEDED(m_device->Acquire());
}

void DirectInputGamepad::Unacquire() {
  m_device->Unacquire();
}

// DI_NOEFFECT (a device that needs no polling) is a success too.
bool DirectInputGamepad::Poll() {
  return SUCCEEDED(m_device->Poll());
}

std::optional<GamepadState> DirectInputGamepad::ReadState() {
  DIJOYSTATE read{};
  if (FAILED(m_device->GetDeviceState(sizeof read, &read))) return std::nullopt;
  GamepadState state;
  for (std::size_t i = 0; i < kGamepadButtonCount; ++i) state.buttons[i] = read.rgbButtons[i];
  state.x = read.lX;
  state.y = read.lY;
  return state;
}

}  // namespace platform::win32
