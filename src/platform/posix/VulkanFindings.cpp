#include "platform/posix/VulkanFindings.h"

#include <dlfcn.h>

#include <mutex>
#include <vector>

#define VK_NO_PROTOTYPES
#include <vulkan/vulkan.h>

#include "platform/GraphicsAdapter.h"

namespace platform::posix {
namespace {

// Instances are kept until the process ends: destroying one unloads the
// drivers, and some drivers keep allocations in globals that would then be
// unmapped from under them (leak checkers report those). A plain array, so
// that nothing frees it before the leak check at exit.
constexpr int kKeptInstanceSlots = 8;
std::mutex s_kept_mutex;
VkInstance s_kept_instances[kKeptInstanceSlots];
int s_kept_count = 0;

void KeepOrDestroy(VkInstance instance, PFN_vkGetInstanceProcAddr get_proc) {
  {
    const std::lock_guard<std::mutex> lock(s_kept_mutex);
    if (s_kept_count < kKeptInstanceSlots) {
      s_kept_instances[s_kept_count++] = instance;
      return;
    }
  }
  auto destroy = reinterpret_cast<PFN_vkDestroyInstance>(get_proc(instance, "vkDestroyInstance"));
  if (destroy != nullptr) {
    destroy(instance, nullptr);
  }
}

void ExamineInstance(VkInstance instance, PFN_vkGetInstanceProcAddr get_proc,
                     VulkanFindings& findings) {
  auto enumerate = reinterpret_cast<PFN_vkEnumeratePhysicalDevices>(
      get_proc(instance, "vkEnumeratePhysicalDevices"));
  auto properties = reinterpret_cast<PFN_vkGetPhysicalDeviceProperties>(
      get_proc(instance, "vkGetPhysicalDeviceProperties"));
  if (enumerate == nullptr || properties == nullptr) {
    return;
  }
  uint32_t count = 0;
  if (enumerate(instance, &count, nullptr) != VK_SUCCESS) {
    return;
  }
  std::vector<VkPhysicalDevice> devices(count);
  if (count > 0) {
    const VkResult listed = enumerate(instance, &count, devices.data());
    if (listed != VK_SUCCESS && listed != VK_INCOMPLETE) {
      return;
    }
  }
  findings.devices_enumerated = true;
  findings.device_count = count;
  if (count > 0) {
    VkPhysicalDeviceProperties first{};
    properties(devices[0], &first);
    findings.first_device_type = static_cast<int32_t>(first.deviceType);
  }
}

}  // namespace

VulkanFindings ExamineVulkan(const char* loader_name) {
  VulkanFindings findings;
  void* loader = dlopen(loader_name, RTLD_NOW | RTLD_LOCAL);
  if (loader == nullptr) {
    return findings;
  }
  auto get_proc =
      reinterpret_cast<PFN_vkGetInstanceProcAddr>(dlsym(loader, "vkGetInstanceProcAddr"));
  if (get_proc == nullptr) {
    return findings;
  }
  findings.loader_loaded = true;
  findings.loader_version = VK_API_VERSION_1_0;
  auto instance_version = reinterpret_cast<PFN_vkEnumerateInstanceVersion>(
      get_proc(nullptr, "vkEnumerateInstanceVersion"));
  if (instance_version != nullptr) {
    instance_version(&findings.loader_version);
  }
  auto create = reinterpret_cast<PFN_vkCreateInstance>(get_proc(nullptr, "vkCreateInstance"));
  if (create == nullptr) {
    return findings;
  }
  VkApplicationInfo application{};
  application.sType = VK_STRUCTURE_TYPE_APPLICATION_INFO;
  application.pApplicationName = "qvconfig";
  application.apiVersion = VK_API_VERSION_1_0;
  VkInstanceCreateInfo create_info{};
  create_info.sType = VK_STRUCTURE_TYPE_INSTANCE_CREATE_INFO;
  create_info.pApplicationInfo = &application;
  VkInstance instance = VK_NULL_HANDLE;
  if (create(&create_info, nullptr, &instance) != VK_SUCCESS) {
    return findings;
  }
  findings.instance_created = true;
  ExamineInstance(instance, get_proc, findings);
  KeepOrDestroy(instance, get_proc);
  return findings;
}

std::optional<uint32_t> DevCapsFromFindings(const VulkanFindings& findings) {
  if (!findings.devices_enumerated || findings.device_count == 0) {
    return std::nullopt;
  }
  switch (findings.first_device_type) {
    case VK_PHYSICAL_DEVICE_TYPE_INTEGRATED_GPU:
    case VK_PHYSICAL_DEVICE_TYPE_DISCRETE_GPU:
    case VK_PHYSICAL_DEVICE_TYPE_VIRTUAL_GPU:
      return kDevCapsHwTransformAndLight | kDevCapsHwRasterization;
    default:
      return 0;
  }
}

std::optional<RuntimeVersion> RuntimeVersionFromFindings(const VulkanFindings& findings) {
  if (!findings.loader_loaded) {
    return std::nullopt;
  }
  RuntimeVersion version;
  version.version = findings.device_count > 0 ? kRuntimeVersionCurrent : kRuntimeVersionOlder;
  version.revision = findings.loader_version;
  return version;
}

}  // namespace platform::posix
