#pragma once

#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "platform/Guid.h"

namespace platform::posix {

// What tells one attached pad from another. Identical pads share SDL's
// device GUID, so the serial number, else the physical port, tells them apart.
struct GamepadIdentity {
  std::array<std::uint8_t, 16> device_guid{};
  // Empty when the pad reports none.
  std::string serial;
  // The pad's sysfs parent as PortFromSysfsPath gives it; empty when unknown.
  std::string port;
};

// The instance GUID of `pad` when `ordinal` earlier pads in the system's order
// have the same device GUID and the same serial, or (both without one) the
// same port. A serial wins over the port, so such a pad keeps its GUID in any
// port; the ordinal only separates pads that nothing else separates.
Guid DeriveInstanceGuid(const GamepadIdentity& pad, std::uint32_t ordinal);

// The instance GUIDs of `pads`, given in the system's order.
std::vector<Guid> DeriveInstanceGuids(const std::vector<GamepadIdentity>& pads);

// The sysfs link to the parent device of an input or hidraw device node
// ("/dev/input/event7" gives "/sys/class/input/event7/device"); nullopt for
// a node of any other form.
std::optional<std::string> SysfsDeviceLink(std::string_view device_node);

// The port of a pad from the resolved sysfs path of its parent device: the
// path without the numbers the kernel hands out afresh at each plug (the
// inputN, eventN, jsN and hidrawN components, and the sequence suffix of a
// HID device such as "0003:045E:028E.0007"). Nullopt for a path outside
// /sys, with "." or ".." components, or of implausible length.
std::optional<std::string> PortFromSysfsPath(std::string_view resolved);

}  // namespace platform::posix
