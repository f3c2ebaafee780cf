#include <gtest/gtest.h>
#include <unistd.h>

#include "platform/posix/VulkanFindings.h"

namespace {

struct Pipe {
  Pipe() { EXPECT_EQ(pipe(ends), 0); }
  ~Pipe() {
    CloseWriter();
    close(ends[0]);
  }
  void CloseWriter() {
    if (ends[1] >= 0) close(ends[1]);
    ends[1] = -1;
  }
  int ends[2] = {-1, -1};
};

// What the examining child sends arrives whole; a child that dies half-way
// or never answers gives nothing.
TEST(VulkanPreload, ReceivesOneWholeRecordOrNothing) {
  platform::VulkanFindings sent;
  sent.loader_loaded = true;
  sent.devices_enumerated = true;
  sent.device_count = 3;
  sent.first_device_type = 4;
  sent.loader_version = 0x00403000;
  {
    Pipe pipe;
    const char* bytes = reinterpret_cast<const char*>(&sent);
    ASSERT_EQ(write(pipe.ends[1], bytes, 5), 5);
    ASSERT_EQ(write(pipe.ends[1], bytes + 5, sizeof sent - 5),
              static_cast<ssize_t>(sizeof sent - 5));
    const auto received = platform::ReceiveFindings(pipe.ends[0], 1000);
    ASSERT_TRUE(received);
    EXPECT_TRUE(received->loader_loaded);
    EXPECT_EQ(received->device_count, 3u);
    EXPECT_EQ(received->first_device_type, 4);
    EXPECT_EQ(received->loader_version, 0x00403000u);
  }
  {
    Pipe pipe;
    ASSERT_EQ(write(pipe.ends[1], &sent, 3), 3);
    pipe.CloseWriter();
    EXPECT_FALSE(platform::ReceiveFindings(pipe.ends[0], 1000));
  }
  {
    Pipe pipe;
    EXPECT_FALSE(platform::ReceiveFindings(pipe.ends[0], 100));
  }
}

}  // namespace
