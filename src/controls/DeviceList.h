#pragma once

#include <cstddef>
#include <optional>
#include <string>
#include <vector>

#include "platform/Guid.h"
#include "platform/SystemError.h"

// One input device a player can choose.
struct DeviceEntry {
  Guid guid;
  std::string name;
};

// The devices a player can choose from: the keyboard first, then the
// attached gamepads. It holds at most 255 entries; a device added to a full
// list takes the place of the last entry.
class DeviceList {
 public:
  static constexpr std::size_t kMaxEntries = 255;

  void Clear() { m_entries.clear(); }
  void Add(DeviceEntry entry);
  bool Contains(const Guid& guid) const;
  std::size_t Count() const { return m_entries.size(); }
  const DeviceEntry& operator[](std::size_t index) const { return m_entries[index]; }

 private:
  std::vector<DeviceEntry> m_entries;
};

// Rebuilds `list`: the keyboard entry ("Keyboard"), then every attached
// gamepad once. When the gamepad system cannot be started, the list holds
// the keyboard alone and the system's reason is returned for the user.
std::optional<platform::SystemError> EnumerateDevices(DeviceList& list);
