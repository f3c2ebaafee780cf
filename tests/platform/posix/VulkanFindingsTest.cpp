#include "platform/posix/VulkanFindings.h"

#include <gtest/gtest.h>

#include "platform/GraphicsAdapter.h"
#include "platform/posix/FindingsWithDevices.h"

#include <vulkan/vulkan_core.h>

namespace {

constexpr uint32_t kBoth =
    platform::kDevCapsHwTransformAndLight | platform::kDevCapsHwRasterization;

}  // namespace

// Every face of "no adapter" reads as "cannot be created"; a GPU has both bits, anything else
// neither; a device raises the runtime version.
TEST(VulkanFindings, MapsFindingsToCapsAndVersion) {
  for (int32_t type = VK_PHYSICAL_DEVICE_TYPE_OTHER; type <= VK_PHYSICAL_DEVICE_TYPE_CPU; ++type) {
    const bool gpu = type != VK_PHYSICAL_DEVICE_TYPE_OTHER && type != VK_PHYSICAL_DEVICE_TYPE_CPU;
    EXPECT_EQ(platform::posix::DevCapsFromFindings(FindingsWithDevices(1, type)), gpu ? kBoth : 0u)
        << type;
  }
  platform::posix::VulkanFindings none = FindingsWithDevices(0, -1);
  EXPECT_EQ(platform::posix::DevCapsFromFindings(none), std::nullopt);
  none.devices_enumerated = false;
  EXPECT_EQ(platform::posix::DevCapsFromFindings(none), std::nullopt);
  EXPECT_EQ(platform::posix::DevCapsFromFindings(platform::posix::VulkanFindings{}), std::nullopt);

  const auto with_device =
      platform::posix::RuntimeVersionFromFindings(FindingsWithDevices(1, VK_PHYSICAL_DEVICE_TYPE_CPU));
  ASSERT_TRUE(with_device);
  EXPECT_EQ(with_device->version, 0x00040008u);
  EXPECT_EQ(with_device->revision, VK_API_VERSION_1_3);
  EXPECT_EQ(platform::posix::RuntimeVersionFromFindings(none)->version, 0x00040007u);
  EXPECT_EQ(platform::posix::RuntimeVersionFromFindings(platform::posix::VulkanFindings{}), std::nullopt);
}
