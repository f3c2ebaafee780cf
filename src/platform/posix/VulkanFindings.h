#pragma once

#include <cstdint>
#include <optional>

#include "platform/GraphicsRuntime.h"

namespace platform::posix {

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

  bool operator==(const VulkanFindings&) const = default;
};

inline constexpr const char* kVulkanLoaderName = "libvulkan.so.1";

// Loads `loader_name`, creates an instance, lists the physical devices and
// reads the first one's type. The loader and the instance stay until the
// process ends, so the drivers stay loaded with everything they hold.
VulkanFindings ExamineVulkan(const char* loader_name);

// The examination of the real loader, done once per process. Findings stored
// by an earlier run on an unchanged machine (VulkanFindingsCache) answer at
// once; otherwise the preload runs the examination in a child process forked
// at start-up: the drivers' libraries (one links a whole compiler) then load
// in parallel with the toolkit's instead of queueing behind the same
// dynamic-loader lock, a driver that crashes or hangs cannot take the tool
// with it, and the tool never maps them. Start it before any other thread
// exists. Without a preload, the first caller examines on its own thread.
const VulkanFindings& VulkanFindingsForThisProcess();
void StartVulkanPreload();

// Reads one VulkanFindings record from `descriptor` within `timeout_ms`;
// nothing when the writer ends early, sends a short record or is too slow.
std::optional<VulkanFindings> ReceiveFindings(int descriptor, int timeout_ms);

// The default adapter's capability bits: nullopt when the graphics object
// cannot be created (no loader, no driver, no enumeration, no device); both
// hardware bits for a GPU, neither for a CPU or other device.
std::optional<uint32_t> DevCapsFromFindings(const VulkanFindings& findings);

// nullopt without a loader; the current version with a device, an older one
// without. The revision is the loader's API version.
std::optional<RuntimeVersion> RuntimeVersionFromFindings(const VulkanFindings& findings);

}  // namespace platform::posix
