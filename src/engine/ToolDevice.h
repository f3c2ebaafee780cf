#pragma once

#include "engine/DiskDevice.h"

// The assets below .\Assets\ as the tools see them: writable ("Tool Assets").
class ToolDevice : public DiskDevice {
 public:
  ToolDevice();
};
