#include "engine/ToolDevice.h"

ToolDevice::ToolDevice() : DiskDevice("Tool Assets") {
  m_writable = true;
}
