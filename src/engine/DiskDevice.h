#pragma once

#include "engine/Device.h"

// The read-only game assets below .\Assets\ ("HD Assets").
class DiskDevice : public Device {
 public:
  explicit DiskDevice(const String& name);
  // The free space of the current directory's volume, whatever the root.
  std::uint32_t FreeSpace() override;
};
