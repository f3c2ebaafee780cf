#include "controls/DeviceKind.h"

#include "settings/DefaultPlayerControls.h"

bool IsKeyboard(const Guid& device) {
  return device == KeyboardDeviceGuid;
}

DeviceKind KindOf(const Guid& device) {
  return IsKeyboard(device) ? DeviceKind::kKeyboard : DeviceKind::kGamepad;
}
