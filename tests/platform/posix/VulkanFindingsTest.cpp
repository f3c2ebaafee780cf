#include "platform/posix/VulkanFindings.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <string>

#include "platform/GraphicsAdapter.h"

#include <vulkan/vulkan_core.h>

namespace {

constexpr uint32_t kBoth =
    platform::kDevCapsHwTransformAndLight | platform::kDevCapsHwRasterization;

platform::VulkanFindings WithDevice(int32_t type) {
  platform::VulkanFindings findings;
  findings.loader_loaded = true;
  findings.instance_created = true;
  findings.devices_enumerated = true;
  findings.device_count = 1;
  findings.first_device_type = type;
  findings.loader_version = VK_API_VERSION_1_3;
  return findings;
}

// Sets an environment variable for the scope.
class ScopedVariable {
 public:
  ScopedVariable(const char* name, const char* value) : m_name(name) {
    const char* old = std::getenv(name);
    m_had_value = old != nullptr;
    m_old_value = old != nullptr ? old : "";
    setenv(name, value, 1);
  }

  ~ScopedVariable() {
    if (m_had_value) {
      setenv(m_name, m_old_value.c_str(), 1);
    } else {
      unsetenv(m_name);
    }
  }

 private:
  const char* m_name;
  bool m_had_value = false;
  std::string m_old_value;
};

}  // namespace

// Every face of "no adapter" reads as "cannot be created"; a GPU has both bits, anything else
// neither.
TEST(VulkanFindings, MapsFindingsToCapsAndVersion) {
  EXPECT_EQ(platform::DevCapsFromFindings(WithDevice(VK_PHYSICAL_DEVICE_TYPE_INTEGRATED_GPU)),
            kBoth);
  EXPECT_EQ(platform::DevCapsFromFindings(WithDevice(VK_PHYSICAL_DEVICE_TYPE_DISCRETE_GPU)), kBoth);
  EXPECT_EQ(platform::DevCapsFromFindings(WithDevice(VK_PHYSICAL_DEVICE_TYPE_VIRTUAL_GPU)), kBoth);
  EXPECT_EQ(platform::DevCapsFromFindings(WithDevice(VK_PHYSICAL_DEVICE_TYPE_CPU)), 0u);
  EXPECT_EQ(platform::DevCapsFromFindings(WithDevice(VK_PHYSICAL_DEVICE_TYPE_OTHER)), 0u);

  platform::VulkanFindings none = WithDevice(-1);
  none.device_count = 0;
  EXPECT_EQ(platform::DevCapsFromFindings(none), std::nullopt);
  none.devices_enumerated = false;
  EXPECT_EQ(platform::DevCapsFromFindings(none), std::nullopt);
  none.instance_created = false;
  EXPECT_EQ(platform::DevCapsFromFindings(none), std::nullopt);
  EXPECT_EQ(platform::DevCapsFromFindings(platform::VulkanFindings{}), std::nullopt);

  const auto with_device =
      platform::RuntimeVersionFromFindings(WithDevice(VK_PHYSICAL_DEVICE_TYPE_CPU));
  ASSERT_TRUE(with_device);
  EXPECT_EQ(with_device->version, 0x00040008u);
  EXPECT_EQ(with_device->revision, VK_API_VERSION_1_3);
  const auto without_device = platform::RuntimeVersionFromFindings(none);
  ASSERT_TRUE(without_device);
  EXPECT_EQ(without_device->version, 0x00040007u);
  EXPECT_EQ(platform::RuntimeVersionFromFindings(platform::VulkanFindings{}), std::nullopt);
}

// The real loader: missing, without drivers, and as installed here.
TEST(VulkanFindings, ExaminesTheLoader) {
  const platform::VulkanFindings missing = platform::ExamineVulkan("libvulkan-not-there.so.1");
  EXPECT_FALSE(missing.loader_loaded);
  EXPECT_EQ(platform::RuntimeVersionFromFindings(missing), std::nullopt);

  {
    ScopedVariable icds("VK_ICD_FILENAMES", "/nonexistent/icd.json");
    ScopedVariable drivers("VK_DRIVER_FILES", "/nonexistent/icd.json");
    const platform::VulkanFindings driverless =
        platform::ExamineVulkan(platform::kVulkanLoaderName);
    if (!driverless.loader_loaded) {
      GTEST_SKIP() << "no Vulkan loader on this machine";
    }
    EXPECT_EQ(driverless.device_count, 0u);
    EXPECT_EQ(platform::DevCapsFromFindings(driverless), std::nullopt);
    EXPECT_EQ(platform::RuntimeVersionFromFindings(driverless)->version, 0x00040007u);
  }

  const platform::VulkanFindings cold = platform::ExamineVulkan(platform::kVulkanLoaderName);
  EXPECT_TRUE(cold.loader_loaded);
  EXPECT_GE(cold.loader_version, VK_API_VERSION_1_0);
  if (cold.device_count > 0) {
    EXPECT_TRUE(cold.instance_created && cold.devices_enumerated);
    EXPECT_GE(cold.first_device_type, 0);
  }

  // The process-wide examination, preloaded, finds what a cold one finds.
  platform::StartGraphicsPreload();
  platform::StartGraphicsPreload();
  const platform::VulkanFindings& preloaded = platform::ProcessVulkanFindings();
  EXPECT_EQ(&preloaded, &platform::ProcessVulkanFindings());
  EXPECT_EQ(preloaded.loader_loaded, cold.loader_loaded);
  EXPECT_EQ(preloaded.instance_created, cold.instance_created);
  EXPECT_EQ(preloaded.device_count, cold.device_count);
  EXPECT_EQ(preloaded.first_device_type, cold.first_device_type);
  EXPECT_EQ(platform::CurrentGraphicsAdapter().QueryDefaultDeviceCaps(),
            platform::DevCapsFromFindings(cold));
  const auto version = platform::CurrentGraphicsRuntime().QueryVersion();
  ASSERT_TRUE(version);
  EXPECT_EQ(version->version, cold.device_count > 0 ? 0x00040008u : 0x00040007u);
}
