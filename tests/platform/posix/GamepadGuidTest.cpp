#include "platform/posix/GamepadGuid.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

using platform::DeriveInstanceGuid;
using platform::GamepadIdentity;

constexpr Guid kKeyboardGuid{
    0xA4565428, 0x396B, 0x2537, {0x1B, 0x5D, 0x38, 0x18, 0x36, 0x0B, 0xAA, 0xDD}};

GamepadIdentity Pad(std::uint8_t model, std::string serial = "", std::string port = "") {
  GamepadIdentity pad;
  pad.device_guid = {0x03,  0x00, 0x12, 0x34, 0x5E, 0x04, 0x00, 0x00,
                     model, 0x02, 0x00, 0x00, 0x14, 0x01, 0x00, 0x00};
  pad.serial = std::move(serial);
  pad.port = std::move(port);
  return pad;
}

void ExpectAllDistinct(const std::vector<Guid>& guids) {
  for (std::size_t i = 0; i < guids.size(); ++i) {
    for (std::size_t j = i + 1; j < guids.size(); ++j) EXPECT_NE(guids[i], guids[j]) << i << j;
  }
}

}  // namespace

// The same inputs give the same GUID, in this build and later ones; device,
// serial, port and ordinal each change it; a serial outranks the port; no
// result is all-zero or the keyboard's.
TEST(GamepadGuid, DerivationIsStableAndSeparatesEachInput) {
  const Guid guid = DeriveInstanceGuid(Pad(1), 0);
  EXPECT_EQ(DeriveInstanceGuid(Pad(1), 0), guid);
  // Settings files keep this GUID, so the derivation must never change; the
  // value was worked out apart from this code.
  EXPECT_EQ(guid,
            (Guid{0x59F3A02B, 0x897B, 0x80B9, {0x92, 0xCB, 0xE3, 0x1C, 0xD4, 0xFE, 0xB4, 0x46}}));

  ExpectAllDistinct({guid, DeriveInstanceGuid(Pad(2), 0), DeriveInstanceGuid(Pad(1, "A"), 0),
                     DeriveInstanceGuid(Pad(1, "B"), 0),
                     DeriveInstanceGuid(Pad(1, "", "/sys/a"), 0),
                     DeriveInstanceGuid(Pad(1, "", "/sys/b"), 0), DeriveInstanceGuid(Pad(1), 1),
                     DeriveInstanceGuid(Pad(1, "A"), 1)});
  EXPECT_EQ(DeriveInstanceGuid(Pad(1, "A", "/sys/a"), 0),
            DeriveInstanceGuid(Pad(1, "A", "/sys/b"), 0));

  for (std::uint32_t ordinal = 0; ordinal < 2000; ++ordinal) {
    for (const auto& pad : {Pad(0), Pad(0xFF, "S"), Pad(7, "", "/sys/p")}) {
      const Guid derived = DeriveInstanceGuid(pad, ordinal);
      ASSERT_NE(derived, Guid{});
      ASSERT_NE(derived, kKeyboardGuid);
    }
  }
}

// An ordinal counts only the earlier pads that nothing else tells apart, so a
// pad with a serial or a port keeps its GUID whatever is plugged in before it.
TEST(GamepadGuid, OrdinalsCountOnlyIndistinguishablePads) {
  const GamepadIdentity plain = Pad(1), other = Pad(2), serial = Pad(1, "S"),
                        port = Pad(1, "", "/sys/p");
  const auto guids =
      platform::DeriveInstanceGuids({plain, other, plain, serial, port, plain, port});
  ASSERT_EQ(guids.size(), 7u);
  EXPECT_EQ(guids[0], DeriveInstanceGuid(plain, 0));
  EXPECT_EQ(guids[1], DeriveInstanceGuid(other, 0));
  EXPECT_EQ(guids[2], DeriveInstanceGuid(plain, 1));
  EXPECT_EQ(guids[3], DeriveInstanceGuid(serial, 0));
  EXPECT_EQ(guids[4], DeriveInstanceGuid(port, 0));
  EXPECT_EQ(guids[5], DeriveInstanceGuid(plain, 2));
  EXPECT_EQ(guids[6], DeriveInstanceGuid(port, 1));
  ExpectAllDistinct(guids);
}

// Device nodes lead to their sysfs links; a port drops the numbers the kernel
// hands out at each plug; anything outside /sys or oddly formed is refused.
TEST(GamepadGuid, SysfsPortsIgnorePlugNumbers) {
  using platform::PortFromSysfsPath;
  using platform::SysfsDeviceLink;
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
