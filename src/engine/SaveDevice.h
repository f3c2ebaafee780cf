#pragma once

#include "engine/DiskDevice.h"

// The writable saved games below .\Save\ ("SaveGame").
class SaveDevice : public DiskDevice {
 public:
  explicit SaveDevice(const String& name);
};
