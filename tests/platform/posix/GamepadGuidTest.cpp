#include "platform/posix/GamepadGuid.h"

#include <gtest/gtest.h>

#include <string>

// Device nodes lead to their sysfs links; a port drops the numbers the kernel
// hands out at each plug; anything outside /sys or oddly formed is refused.
TEST(GamepadGuid, SysfsPortsIgnorePlugNumbers) {
  using platform::posix::PortFromSysfsPath;
  using platform::posix::SysfsDeviceLink;
  EXPECT_EQ(SysfsDeviceLink("/dev/input/event7"), "/sys/class/input/event7/device");
  EXPECT_EQ(SysfsDeviceLink("/dev/input/js0"), "/sys/class/input/js0/device");
  EXPECT_EQ(SysfsDeviceLink("/dev/hidraw3"), "/sys/class/hidraw/hidraw3/device");
  for (const char* node :
       {"", "event7", "/dev/input/event", "/dev/input/7", "/dev/input/Event7", "/dev/input/event7x",
        "/dev/input/../event7", "/dev/sda1", "/dev/input/by-id/event7"}) {
    EXPECT_EQ(SysfsDeviceLink(node), std::nullopt) << node;
  }
  EXPECT_EQ(SysfsDeviceLink("/dev/input/event" + std::string(40, '1')), std::nullopt);

  const std::string usb = "/sys/devices/pci0000:00/0000:00:14.0/usb1/1-2/1-2:1.0";
  EXPECT_EQ(PortFromSysfsPath(usb + "/0003:045E:028E.0007/input/input23"),
            usb + "/0003:045E:028E/input");
  EXPECT_EQ(PortFromSysfsPath(usb + "/0003:045E:028E.0007/input/input23"),
            PortFromSysfsPath(usb + "/0003:045E:028E.0008/input/input24/"));
  EXPECT_EQ(PortFromSysfsPath(usb + "/input/input12/event7"), usb + "/input");
  EXPECT_EQ(PortFromSysfsPath(usb + "/hidraw/hidraw3/js1"), usb + "/hidraw");
  EXPECT_NE(
      PortFromSysfsPath(usb + "/input/input12"),
      PortFromSysfsPath("/sys/devices/pci0000:00/0000:00:14.0/usb1/1-3/1-3:1.0/input/input12"));
  for (const std::string& path :
       {std::string("/etc/input/input1"), std::string("/sysfs/input"), std::string("sys/devices"),
        usb + "/../../../etc", usb + "/./input", "/sys/" + std::string(2000, 'a')}) {
    EXPECT_EQ(PortFromSysfsPath(path), std::nullopt) << path;
  }
}
