#pragma once

#include "platform/Guid.h"

// Which code space a block's bindings are in, told by its device.
enum class DeviceKind { kKeyboard, kGamepad };

// True when `device` is the keyboard pseudo-device, compared as 16 bytes.
bool IsKeyboard(const Guid& device);
DeviceKind KindOf(const Guid& device);
