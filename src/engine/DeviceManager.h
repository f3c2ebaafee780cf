#pragma once

#include <cstdint>
#include <vector>

#include "engine/ErrorCode.h"
#include "engine/String.h"

class AssetDescriptor;
class Device;
class FileHandle;

// The file system: owns the devices and turns asset descriptors into paths
// below a device's root, e.g. the settings file becomes
// .\Assets\PC\ANY_LANG\MISC\QVConfig.INI. A device argument may be null,
// which means the default device ("Tool Assets").
class DeviceManager {
 public:
  enum class Confirm { kNo, kYes };
  enum class MakeDirectories { kNo, kYes };

  // The process-wide manager: null until one is created. The constructor
  // makes the new object the instance when there is none; the destructor
  // clears the pointer when it points at the object destroyed.
  static DeviceManager* s_instance;

  // Registers and mounts the devices.
  DeviceManager();
  virtual ~DeviceManager();
  DeviceManager(const DeviceManager&) = delete;
  DeviceManager& operator=(const DeviceManager&) = delete;

  ErrorCode RegisterDevices();
  ErrorCode UnregisterDevices();

  bool FileExists(const AssetDescriptor& descriptor, Device* device);
  ErrorCode CreateEmptyFile(const AssetDescriptor& descriptor, Device* device,
                            MakeDirectories make_directories);
  ErrorCode RemoveFile(const AssetDescriptor& descriptor, Device* device, Confirm confirm);
  // Names the handle, sets its line ending and mode; does not open it.
  ErrorCode PrepareFile(FileHandle& handle, const AssetDescriptor& descriptor, Device* device);
  // Creates every directory of the composed path; the device must be given.
  ErrorCode CreatePath(const AssetDescriptor& descriptor, Device* device);
  String ComposePath(const AssetDescriptor& descriptor, Device* device);

  String GetDeviceRoot(Device* device) const;
  // "ENGLISH\", "PIG\" or "XXX\" by the language.
  String LanguageDirectory() const;
  // "PC\".
  String PlatformDirectory() const;

  Device* GetDefaultDevice() const { return m_default_device; }
  Device* GetHdDevice() const { return m_hd_device; }
  Device* GetSaveDevice() const { return m_save_device; }
  Device* GetFallbackDevice() const { return m_fallback_device; }
  const std::vector<Device*>& GetDevices() const { return m_devices; }
  std::int32_t GetLanguage() const { return m_language; }

 private:
  std::int32_t m_language = 0;
  std::vector<Device*> m_devices;
  Device* m_default_device = nullptr;
  Device* m_hd_device = nullptr;
  Device* m_spare_device = nullptr;
  Device* m_save_device = nullptr;
  Device* m_fallback_device = nullptr;
};
