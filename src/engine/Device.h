#pragma once

#include <cstdint>

#include "engine/ErrorCode.h"
#include "engine/String.h"

// A storage root of the file system: every file on the device lies below its
// root, which ends in a backslash.
class Device {
 public:
  Device() = default;
  virtual ~Device() = default;
  Device(const Device&) = delete;
  Device& operator=(const Device&) = delete;

  virtual String GetName() const;
  virtual void SetName(const String& name);
  virtual String GetRoot() const;
  // A text the game's other devices use; empty for every device here.
  virtual String GetInfoText() const;
  virtual bool IsWritable() const;
  virtual bool IsReadable() const;
  // Readable and not writable.
  virtual bool IsReadOnly() const;
  // The device flag that only this query reads; set by every device kind here.
  virtual bool HasDeviceFlag() const;
  // Both log the device's name and return 0.
  virtual ErrorCode Mount();
  virtual ErrorCode Unmount();
  virtual bool IsMounted() const;
  // Free bytes, capped at 0xFFFFFFFF; 0 when the query fails.
  virtual std::uint32_t FreeSpace() = 0;
  virtual void SetRoot(const String& root);

 protected:
  bool m_mounted = false;
  bool m_device_flag = false;
  bool m_readable = true;
  bool m_writable = false;
  String m_name;
  String m_root;
};
