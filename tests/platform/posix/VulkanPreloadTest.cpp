#include <gtest/gtest.h>
#include <unistd.h>

#include <tuple>

#include "platform/GraphicsAdapter.h"
#include "platform/GraphicsRuntime.h"
#include "platform/posix/VulkanFindings.h"

// What the examining child sends arrives whole, even in pieces; a child that
// dies half-way or never answers gives nothing.
TEST(VulkanPreload, ReceivesOneWholeRecordOrNothing) {
  platform::VulkanFindings sent;
  sent.loader_loaded = sent.devices_enumerated = true;
  sent.device_count = 3;
  sent.first_device_type = 4;
  sent.loader_version = 0x00403000;
  const char* bytes = reinterpret_cast<const char*>(&sent);
  for (const ssize_t written : {static_cast<ssize_t>(sizeof sent), ssize_t{3}, ssize_t{0}}) {
    SCOPED_TRACE(written);
    int ends[2];
    ASSERT_EQ(pipe(ends), 0);
    const ssize_t first = written > 3 ? 3 : written, rest = written - first;
    ASSERT_EQ(write(ends[1], bytes, first) + write(ends[1], bytes + first, rest), written);
    if (written == 3) close(ends[1]);  // the child died half-way
    const auto received = platform::ReceiveFindings(ends[0], written == 0 ? 100 : 1000);
    ASSERT_EQ(received.has_value(), written > 3);
    if (received) {
      EXPECT_EQ(std::tuple(received->loader_loaded, received->device_count,
                           received->first_device_type, received->loader_version),
                std::tuple(true, 3u, 4, 0x00403000u));
    }
    close(ends[0]);
    if (written != 3) close(ends[1]);
  }
}

// The real loader as installed here: the forked examination finds what one in
// this process finds, and both queries answer from it.
TEST(VulkanPreload, ChildFindsWhatThisProcessFinds) {
  const platform::VulkanFindings here = platform::ExamineVulkan(platform::kVulkanLoaderName);
  if (!here.loader_loaded) GTEST_SKIP() << "no Vulkan loader on this machine";
  platform::StartGraphicsPreload();
  const platform::VulkanFindings& child = platform::ProcessVulkanFindings();
  EXPECT_EQ(std::tuple(child.loader_loaded, child.instance_created, child.device_count,
                       child.first_device_type, child.loader_version),
            std::tuple(here.loader_loaded, here.instance_created, here.device_count,
                       here.first_device_type, here.loader_version));
  EXPECT_EQ(platform::GetGraphicsAdapter().QueryDefaultDeviceCaps(),
            platform::DevCapsFromFindings(here));
  EXPECT_TRUE(platform::GetGraphicsRuntime().QueryVersion());
}
