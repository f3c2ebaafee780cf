#include "engine/DeviceManager.h"

#include "engine/AssetDescriptor.h"
#include "engine/DiskDevice.h"
#include "engine/ErrorReporter.h"
#include "engine/FileHandle.h"
#include "engine/Log.h"
#include "engine/OpenMode.h"
#include "engine/SaveDevice.h"
#include "engine/ToolDevice.h"
#include "platform/FileSystem.h"

namespace {

constexpr char kSeparator = '\\';

}  // namespace

DeviceManager* DeviceManager::s_instance = nullptr;

DeviceManager::DeviceManager() {
  RegisterDevices();
  if (s_instance == nullptr) s_instance = this;
}

DeviceManager::~DeviceManager() {
  UnregisterDevices();
  if (s_instance == this) s_instance = nullptr;
}

ErrorCode DeviceManager::RegisterDevices() {
  LogPrintf("Registering Devices\n");
  Device* hd = new DiskDevice("HD Assets");
  hd->Mount();
  m_devices.push_back(hd);
  Device* save = new SaveDevice("SaveGame");
  save->Mount();
  m_devices.push_back(save);
  Device* tool = new ToolDevice();
  tool->Mount();
  m_devices.push_back(tool);
  m_default_device = tool;
  m_hd_device = hd;
  m_save_device = save;
  m_fallback_device = nullptr;
  return 0;
}

ErrorCode DeviceManager::UnregisterDevices() {
  for (Device* device : m_devices) {
    if (device->IsMounted()) device->Unmount();
    delete device;
  }
  m_devices.clear();
  m_default_device = nullptr;
  m_hd_device = nullptr;
  m_spare_device = nullptr;
  m_save_device = nullptr;
  m_fallback_device = nullptr;
  return 0;
}

String DeviceManager::GetDeviceRoot(Device* device) const {
  if (device == nullptr) device = m_default_device;
  return device != nullptr ? device->GetRoot() : String();
}

String DeviceManager::LanguageDirectory() const {
  switch (m_language) {
    case 1:
      return String("PIG") + kSeparator;
    case 2:
      return String("XXX") + kSeparator;
    default:
      return String("ENGLISH") + kSeparator;
  }
}

String DeviceManager::PlatformDirectory() const {
  return String("PC") + kSeparator;
}

String DeviceManager::ComposePath(const AssetDescriptor& descriptor, Device* device) {
  String root = GetDeviceRoot(device);
  String relative = descriptor.GetPlatformFlag() == PlatformFlag::kPerPlatform
                        ? PlatformDirectory()
                        : String("ANY_PLAT") + kSeparator;
  relative += descriptor.GetLanguageFlag() == LanguageFlag::kPerLanguage
                  ? LanguageDirectory()
                  : String("ANY_LANG") + kSeparator;
  if (descriptor.GetArchiveFlag() == ArchiveFlag::kPlainFile && descriptor.GetDirectory().empty()) {
    relative += descriptor.GetName() + descriptor.GetExtension();
  } else {
    relative +=
        descriptor.GetDirectory() + kSeparator + descriptor.GetName() + descriptor.GetExtension();
  }
  if (device == nullptr || device == m_default_device) {
    if (!platform::GetFileSystem().Exists(root + relative)) {
      // With no fallback device the default device stands for it.
      root = GetDeviceRoot(m_fallback_device);
    }
  }
  return root + relative;
}

bool DeviceManager::FileExists(const AssetDescriptor& descriptor, Device* device) {
  return platform::GetFileSystem().Exists(ComposePath(descriptor, device));
}

ErrorCode DeviceManager::CreateEmptyFile(const AssetDescriptor& descriptor, Device* device,
                                         MakeDirectories make_directories) {
  if (device == nullptr) device = m_default_device;
  const String path = ComposePath(descriptor, device);
  if (descriptor.GetArchiveFlag() == ArchiveFlag::kInArchive) {
    return ReportSoftError(kErrArchiveReadOnly);
  }
  if (descriptor.GetOpenMode() == kOpenRead) return ReportSoftError(kErrCannotWrite, path.c_str());
  if (device->IsReadOnly()) return ReportSoftError(kErrDeviceReadOnly, device->GetName().c_str());
  if (descriptor.GetArchiveFlag() == ArchiveFlag::kPlainFile) {
    if (make_directories == MakeDirectories::kYes) CreatePath(descriptor, device);
    platform::FileSystem& file_system = platform::GetFileSystem();
    const platform::SystemResult<platform::NativeFile*> file = file_system.Open(path, "wb");
    if (!file) return ReportSoftError(kErrCannotWrite, path.c_str());
    // The new name must be on the disk before anything relies on it.
    if (file_system.Close(*file)) return ReportSoftError(kErrCannotWrite, path.c_str());
  }
  return 0;
}

ErrorCode DeviceManager::RemoveFile(const AssetDescriptor& descriptor, Device* device,
                                    Confirm confirm) {
  if (confirm == Confirm::kNo) return ReportSoftError(kErrUnknown);
  if (descriptor.GetArchiveFlag() == ArchiveFlag::kInArchive) {
    return ReportSoftError(kErrArchiveReadOnly);
  }
  if (descriptor.GetOpenMode() == kOpenRead) {
    return ReportSoftError(kErrCannotWrite, ComposePath(descriptor, device).c_str());
  }
  if (device == nullptr) device = m_default_device;
  if (device->IsReadOnly()) return ReportSoftError(kErrDeviceReadOnly, device->GetName().c_str());
  const String path = ComposePath(descriptor, device);
  // A wildcard would name many files; such a path is never deleted.
  if (path.find_first_of("*?") != String::npos) return 0;
  if (platform::GetFileSystem().Remove(path)) return ReportSoftError(kErrDeleteFailed);
  return 0;
}

ErrorCode DeviceManager::PrepareFile(FileHandle& handle, const AssetDescriptor& descriptor,
                                     Device* device) {
  if (descriptor.GetArchiveFlag() != ArchiveFlag::kPlainFile) return ReportSoftError(kErrUnknown);
  if (!FileExists(descriptor, device)) {
    return ReportSoftError(kErrFileNotFound, ComposePath(descriptor, device).c_str());
  }
  if (device == nullptr) device = m_default_device;
  if (device->IsReadOnly() && descriptor.GetOpenMode() != kOpenRead) {
    return ReportSoftError(kErrDeviceReadOnly, device->GetName().c_str());
  }
  handle.SetFileName(ComposePath(descriptor, device));
  handle.SetLineEnding(descriptor.GetBinaryFlag() == BinaryFlag::kText ? LineEnding::kCrLf
                                                                       : LineEnding::kZeroByte);
  const OpenMode mode = descriptor.GetOpenMode();
  if (mode == kOpenRead || mode == kOpenWrite || mode == kOpenReadWrite) handle.SetMode(mode);
  return 0;
}

ErrorCode DeviceManager::CreatePath(const AssetDescriptor& descriptor, Device* device) {
  if (descriptor.GetArchiveFlag() == ArchiveFlag::kInArchive) {
    return ReportSoftError(kErrArchiveReadOnly);
  }
  // Without a device there is no root to create the path below.
  if (device == nullptr) return ReportSoftError(kErrInvalidDevice);
  if (!device->IsWritable()) return ReportSoftError(kErrDeviceReadOnly, device->GetName().c_str());
  const String path = ComposePath(descriptor, device);
  platform::FileSystem& file_system = platform::GetFileSystem();
  for (std::size_t at = path.find(kSeparator); at != String::npos;
       at = path.find(kSeparator, at + 1)) {
    const String directory = path.substr(0, at);
    if (!file_system.MakeDirectory(directory)) {
      return ReportSoftError(kErrCannotWrite, directory.c_str());
    }
  }
  return 0;
}
