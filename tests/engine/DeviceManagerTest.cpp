#include "engine/DeviceManager.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <string>
#include <vector>

#include "engine/AssetDescriptor.h"
#include "engine/Device.h"
#include "engine/FileHandle.h"
#include "engine/OpenMode.h"
#include "support/CountingFileSystem.h"
#include "support/LogCapture.h"
#include "support/TempDirectory.h"

namespace fs = std::filesystem;
using Strings = std::vector<std::string>;

namespace {

const char* kSettingsPath = ".\\Assets\\PC\\ANY_LANG\\MISC\\QVConfig.INI";
const char* kSettingsDiskPath = "Assets/PC/ANY_LANG/MISC/QVConfig.INI";

constexpr auto Touch = TempDirectory::WriteFile;
constexpr auto kMake = DeviceManager::MakeDirectories::kYes;

// Every test runs in a fresh game folder with its own capture and manager.
class DeviceManagerTest : public testing::Test {
 protected:
  TempDirectory m_directory;
  LogCapture m_capture;
  CountingFileSystem m_files;
  DeviceManager m_manager;
  const AssetDescriptor m_settings{"MISC", "QVConfig", ".INI", 1, 0, 0, 2, 1};
  const AssetDescriptor m_read_only{"MISC", "QVConfig", ".INI", 1, 0, 0, 0, 1};
};

}  // namespace

// Three devices are registered and mounted in order, and unmounted in order.
TEST(DeviceManagerLife, RegistersMountsAndUnmounts) {
  LogCapture capture;
  DeviceManager* before = DeviceManager::s_instance;
  {
    DeviceManager manager;
    EXPECT_EQ(capture.Messages(),
              (Strings{"Registering Devices\n", "Mounting device HD Assets\n",
                       "Mounting device SaveGame\n", "Mounting device Tool Assets\n"}));
    std::string roots;  // each root, then M when mounted and W when writable
    for (Device* device : manager.GetDevices()) {
      roots += device->GetRoot() + (device->IsMounted() ? "M" : "") +
               (device->IsWritable() ? "W " : " ");
    }
    EXPECT_EQ(roots, ".\\Assets\\M .\\Save\\MW .\\Assets\\MW ");
    capture.Clear();
  }
  EXPECT_EQ(capture.Messages(),
            (Strings{"UnMounting device HD Assets\n", "UnMounting device SaveGame\n",
                     "UnMounting device Tool Assets\n"}));
  EXPECT_EQ(DeviceManager::s_instance, before);
}

// A device name is logged as it is, and the free space is capped to 32 bits.
TEST_F(DeviceManagerTest, DeviceNamesAndFreeSpace) {
  Device& hd = *m_manager.GetHdDevice();
  hd.SetName("100%s disk");
  m_capture.Clear();
  hd.Unmount();
  hd.Mount();
  EXPECT_EQ(m_capture.Messages(),
            (Strings{"UnMounting device 100%s disk\n", "Mounting device 100%s disk\n"}));
  m_files.free_space = 5ull << 30;
  EXPECT_EQ(hd.FreeSpace(), 0xFFFFFFFFu);
  m_files.free_space.reset();
  m_files.free_space_fails = true;
  EXPECT_EQ(hd.FreeSpace(), 0u);
}

// Descriptors become paths with platform and language folders, one separator each.
TEST_F(DeviceManagerTest, ComposesPaths) {
  const AssetDescriptor root_file("", "QVPLINFO", "DAT", 0, 1, 0, 2, 1);
  const AssetDescriptor archive_at_root("", "ANISCR", ".BAD", 1, 0, 1, 0, 1);
  const AssetDescriptor no_extension("MISC", "README", "", 1, 0, 0, 0, 1);
  EXPECT_EQ(m_manager.ComposePath(root_file, nullptr),
            ".\\Assets\\ANY_PLAT\\ENGLISH\\QVPLINFO.DAT");
  EXPECT_EQ(m_manager.ComposePath(root_file, m_manager.GetSaveDevice()),
            ".\\Save\\ANY_PLAT\\ENGLISH\\QVPLINFO.DAT");
  EXPECT_EQ(m_manager.ComposePath(archive_at_root, nullptr),
            ".\\Assets\\PC\\ANY_LANG\\\\ANISCR.BAD");
  EXPECT_EQ(m_manager.ComposePath(no_extension, nullptr), ".\\Assets\\PC\\ANY_LANG\\MISC\\README");
}

// Creating the settings file makes each folder of its path in turn, and
// empties a file that is already there.
TEST_F(DeviceManagerTest, CreateEmptyFileMakesFoldersAndFile) {
  const auto create = [&] { return m_manager.CreateEmptyFile(m_settings, nullptr, kMake); };
  EXPECT_EQ(create(), ErrorCode(0));
  EXPECT_EQ(m_files.made_directories,
            (Strings{".", ".\\Assets", ".\\Assets\\PC", ".\\Assets\\PC\\ANY_LANG",
                     ".\\Assets\\PC\\ANY_LANG\\MISC"}));
  EXPECT_TRUE(m_manager.FileExists(m_settings, nullptr));
  Touch(kSettingsDiskPath, "[SYSTEM]\r\n");
  EXPECT_EQ(create(), ErrorCode(0));
  EXPECT_EQ(fs::file_size(kSettingsDiskPath), 0u);
  EXPECT_FALSE(m_capture.Contains("SOFT ERR"));
}

// Each refusal names its reason and leaves the disk as it was.
TEST_F(DeviceManagerTest, CreateRefusals) {
  const auto yes = kMake;
  const AssetDescriptor archive("ANISCR", "ANISCR", ".BAD", 0, 0, 1, 2, 1);
  EXPECT_EQ(m_manager.CreateEmptyFile(m_read_only, nullptr, yes), ErrorCode(0x30010013));
  EXPECT_TRUE(
      m_capture.Contains(std::string("### SOFT ERR: Unable to write to file ") + kSettingsPath));
  EXPECT_EQ(m_manager.CreateEmptyFile(m_settings, m_manager.GetHdDevice(), yes),
            ErrorCode(0x3001001D));
  EXPECT_TRUE(m_capture.Contains("### SOFT ERR: Device HD Assets is read only"));
  EXPECT_EQ(m_manager.CreateEmptyFile(archive, nullptr, yes), ErrorCode(0x30010016));
  EXPECT_TRUE(m_capture.Contains("### SOFT ERR: BAD file is read-only"));
  EXPECT_EQ(m_manager.CreateEmptyFile(m_settings, nullptr, DeviceManager::MakeDirectories::kNo),
            ErrorCode(0x30010013));
  EXPECT_EQ(m_manager.CreatePath(m_settings, nullptr), ErrorCode(0x3001001C));
  EXPECT_FALSE(fs::exists("Assets"));

  // A folder that cannot be made stops CreatePath with that folder's name.
  m_files.failing_directory = ".\\Assets\\PC";
  EXPECT_EQ(m_manager.CreatePath(m_settings, m_manager.GetDefaultDevice()), ErrorCode(0x30010013));
  EXPECT_TRUE(m_capture.Contains("### SOFT ERR: Unable to write to file .\\Assets\\PC"));
  EXPECT_TRUE(m_capture.Boxes().empty());
}

// Removal needs confirmation and a writable device, refuses wildcards silently,
// and reports failure.
TEST_F(DeviceManagerTest, RemoveFileRules) {
  const auto yes = DeviceManager::Confirm::kYes;
  Touch(kSettingsDiskPath, "data");
  Touch("Assets/PC/ANY_LANG/MISC/Q.INI", "kept");
  const AssetDescriptor wildcard("MISC", "?", ".INI", 1, 0, 0, 2, 1);
  EXPECT_EQ(m_manager.RemoveFile(m_settings, nullptr, DeviceManager::Confirm::kNo),
            ErrorCode(0x30000002));
  EXPECT_EQ(m_manager.RemoveFile(m_read_only, nullptr, yes), ErrorCode(0x30010013));
  EXPECT_EQ(m_manager.RemoveFile(m_settings, m_manager.GetHdDevice(), yes), ErrorCode(0x3001001D));
  m_files.ResetCounts();
  EXPECT_EQ(m_manager.RemoveFile(wildcard, nullptr, yes), ErrorCode(0));
  EXPECT_EQ(m_files.removes, 0);
  EXPECT_TRUE(fs::exists(kSettingsDiskPath));
  EXPECT_TRUE(fs::exists("Assets/PC/ANY_LANG/MISC/Q.INI"));

  EXPECT_EQ(m_manager.RemoveFile(m_settings, nullptr, yes), ErrorCode(0));
  EXPECT_FALSE(fs::exists(kSettingsDiskPath));
  EXPECT_EQ(m_manager.RemoveFile(m_settings, nullptr, yes), ErrorCode(0x30010017));
  EXPECT_TRUE(m_capture.Contains("### SOFT ERR: Delete failed"));
}

// Preparing names the handle and sets its line ending and mode, but opens nothing.
TEST_F(DeviceManagerTest, PrepareFileSetsUpTheHandle) {
  FileHandle handle(4096);
  handle.SetFileName("untouched");
  EXPECT_EQ(m_manager.PrepareFile(handle, m_settings, nullptr), ErrorCode(0x30010010));
  Touch(kSettingsDiskPath, "");
  EXPECT_EQ(m_manager.PrepareFile(handle, m_settings, m_manager.GetHdDevice()), 0x3001001Du);
  EXPECT_EQ(handle.GetName(), "untouched");

  EXPECT_EQ(m_manager.PrepareFile(handle, m_settings, nullptr), ErrorCode(0));
  EXPECT_EQ(handle.GetName(), kSettingsPath);
  EXPECT_EQ(handle.GetLineEnding(), LineEnding::kZeroByte);
  EXPECT_EQ(handle.GetMode(), kOpenReadWrite);
  EXPECT_FALSE(handle.IsOpen());

  const AssetDescriptor text("MISC", "QVConfig", ".INI", 1, 0, 0, 0, 0);
  EXPECT_EQ(m_manager.PrepareFile(handle, text, m_manager.GetHdDevice()), ErrorCode(0));
  EXPECT_EQ(handle.GetLineEnding(), LineEnding::kCrLf);
  EXPECT_EQ(handle.GetMode(), kOpenRead);
  const AssetDescriptor archive("ANISCR", "ANISCR", ".BAD", 0, 0, 1, 0, 1);
  EXPECT_EQ(m_manager.PrepareFile(handle, archive, nullptr), ErrorCode(0x30000002));
  EXPECT_TRUE(m_capture.Boxes().empty());
}
