#include "engine/Device.h"

#include "engine/Log.h"

String Device::GetName() const {
  return m_name;
}

void Device::SetName(const String& name) {
  m_name = name;
}

String Device::GetRoot() const {
  return m_root;
}

String Device::GetInfoText() const {
  return String();
}

bool Device::IsWritable() const {
  return m_writable;
}

bool Device::IsReadable() const {
  return m_readable;
}

bool Device::IsReadOnly() const {
  return m_readable && !m_writable;
}

bool Device::HasDeviceFlag() const {
  return m_device_flag;
}

ErrorCode Device::Mount() {
  // The name is logged as it is: a '%' in it is not a format.
  LogPrintf("%s", ("Mounting device " + m_name + "\n").c_str());
  m_mounted = true;
  return 0;
}

ErrorCode Device::Unmount() {
  LogPrintf("%s", ("UnMounting device " + m_name + "\n").c_str());
  m_mounted = false;
  return 0;
}

bool Device::IsMounted() const {
  return m_mounted;
}

void Device::SetRoot(const String& root) {
  m_root = root;
}
