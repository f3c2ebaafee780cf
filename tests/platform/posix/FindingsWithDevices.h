#pragma once

#include <cstdint>

#include "platform/posix/VulkanFindings.h"

// What a whole examination finds with a 1.3 loader and `count` devices, the
// first of VkPhysicalDeviceType `type`.
inline platform::posix::VulkanFindings FindingsWithDevices(std::uint32_t count,
                                                           std::int32_t type) {
  platform::posix::VulkanFindings findings;
  findings.loader_loaded = findings.instance_created = findings.devices_enumerated = true;
  findings.device_count = count;
  findings.first_device_type = type;
  findings.loader_version = 0x00403000;
  return findings;
}
