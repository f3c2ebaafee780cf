#pragma once

#include <cstdint>
#include <optional>

#include "platform/GraphicsRuntime.h"

namespace platform {

// What examining the Vulkan loader and its drivers found.
struct VulkanFindings {
  bool loader_loaded = false;
  bool instance_created = false;
  bool devices_enumerated = false;
  uint32_t device_count = 0;
  // VkPhysicalDeviceType of the first device, -1 when there is none.
  int32_t first_device_type = -1;
  // The loader's instance-level API version (0 when not loaded).
  uint32_t loader_version = 0;
};

inline constexpr const char* kVulkanLoaderName = "libvulkan.so.1";

// Loads `loader_name`, creates an instance, lists the physical devices and
// reads the first one's type. The loader and the instance stay until the
// process ends, so the drivers stay loaded with everything they hold.
VulkanFindings ExamineVulkan(const char* loader_name);

// The examination of the real loader, done once per process: by the preload
// when it was started, else on the first caller's thread.
const VulkanFindings& ProcessVulkanFindings();
void StartVulkanPreload();

// The default adapter's capability bits: nullopt when the graphics object
// cannot be created (no loader, no driver, no enumeration, no device); both
// hardware bits for a GPU, neither for a CPU or other device.
std::optional<uint32_t> DevCapsFromFindings(const VulkanFindings& findings);

// nullopt without a loader; the current version with a device, an older one
// without. The revision is the loader's API version.
std::optional<RuntimeVersion> RuntimeVersionFromFindings(const VulkanFindings& findings);

}  // namespace platform
