#include "engine/SaveDevice.h"

SaveDevice::SaveDevice(const String& name) : DiskDevice(name) {
  m_root = String(".") + '\\' + "Save" + '\\';
  m_writable = true;
}
