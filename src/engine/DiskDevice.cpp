#include "engine/DiskDevice.h"

#include "platform/FileSystem.h"

DiskDevice::DiskDevice(const String& name) {
  m_name = name;
  m_root = String(".") + '\\' + "Assets" + '\\';
  m_device_flag = true;
  m_readable = true;
  m_writable = false;
}

std::uint32_t DiskDevice::FreeSpace() {
  const std::optional<std::uint64_t> bytes = platform::GetFileSystem().FreeSpace();
  if (!bytes) return 0;
  return *bytes > 0xFFFFFFFFull ? 0xFFFFFFFFu : static_cast<std::uint32_t>(*bytes);
}
