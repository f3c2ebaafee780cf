#include "controls/DeviceList.h"

#include <algorithm>
#include <utility>

#include "platform/Gamepads.h"
#include "resources/StringIds.h"
#include "settings/DefaultPlayerControls.h"
#include "ui/ResourceStrings.h"

void DeviceList::Add(DeviceEntry entry) {
  if (m_entries.size() == kMaxEntries) {
    m_entries.back() = std::move(entry);
    return;
  }
  m_entries.push_back(std::move(entry));
}

bool DeviceList::Contains(const Guid& guid) const {
  return std::any_of(m_entries.begin(), m_entries.end(),
                     [&guid](const DeviceEntry& entry) { return entry.guid == guid; });
}

std::optional<platform::SystemError> EnumerateDevices(DeviceList& list) {
  list.Clear();
  list.Add({KeyboardDeviceGuid, ui::LoadString(kStrKeyboard)});
  platform::Gamepads& gamepads = platform::GetGamepads();
  if (std::optional<platform::SystemError> failure = gamepads.Start()) {
    return failure;
  }
  // The gamepad system reports what the system does, which may name an
  // instance twice; a player chooses each pad once.
  for (platform::GamepadInfo& pad : gamepads.Enumerate()) {
    if (!list.Contains(pad.instance)) {
      list.Add({pad.instance, std::move(pad.product_name)});
    }
  }
  return std::nullopt;
}
