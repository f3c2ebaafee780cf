#include "engine/DeviceManager.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <string>

#include "engine/AssetDescriptor.h"
#include "engine/FileHandle.h"
#include "engine/OpenMode.h"
#include "support/LogCapture.h"
#include "support/TempDirectory.h"

namespace fs = std::filesystem;

namespace {

const char* kSettingsPath = ".\\Assets\\PC\\ANY_LANG\\MISC\\QVConfig.INI";
const char* kSettingsDiskPath = "Assets/PC/ANY_LANG/MISC/QVConfig.INI";
constexpr auto kMake = DeviceManager::MakeDirectories::kYes;

using enum PlatformFlag;
using enum LanguageFlag;
using enum ArchiveFlag;
using enum BinaryFlag;

// Every test runs in a fresh game folder with its own capture and manager.
class DeviceManagerTest : public testing::Test {
 protected:
  TempDirectory m_directory;
  LogCapture m_capture;
  DeviceManager m_manager;
  const AssetDescriptor m_settings = AssetDescriptor(
      "MISC", "QVConfig", ".INI", kPerPlatform, kAnyLanguage, kPlainFile, kOpenReadWrite, kBinary);
  const AssetDescriptor m_read_only = AssetDescriptor("MISC", "QVConfig", ".INI", kPerPlatform,
                                                      kAnyLanguage, kPlainFile, kOpenRead, kBinary);
  const AssetDescriptor m_archive = AssetDescriptor(
      "ANISCR", "ANISCR", ".BAD", kAnyPlatform, kAnyLanguage, kInArchive, kOpenReadWrite, kBinary);
};

}  // namespace

// Three devices are registered and mounted in order, and unmounted in order.
TEST(DeviceManagerLife, RegistersMountsAndUnmounts) {
  LogCapture capture;
  {
    DeviceManager manager;
    EXPECT_EQ(capture.Text(),
              "Registering Devices\n"
              "Mounting device HD Assets\n"
              "Mounting device SaveGame\n"
              "Mounting device Tool Assets\n");
    capture.Clear();
  }
  EXPECT_EQ(capture.Text(),
            "UnMounting device HD Assets\n"
            "UnMounting device SaveGame\n"
            "UnMounting device Tool Assets\n");
}

// Creating makes the folders of the path and empties an existing file; each
// refusal, and a removal that finds no file, names its reason and leaves the
// disk as it was. (Composing paths, the folders made in turn and the removal
// rules are the compose_path fuzz target's.)
TEST_F(DeviceManagerTest, CreateEmptyFile) {
  EXPECT_EQ(m_manager.CreateEmptyFile(m_read_only, nullptr, kMake), kErrCannotWrite);
  EXPECT_PRED_FORMAT2(testing::IsSubstring,
                      std::string("### SOFT ERR: Unable to write to file ") + kSettingsPath + "\n",
                      m_capture.Text());
  EXPECT_EQ(m_manager.CreateEmptyFile(m_settings, m_manager.GetHdDevice(), kMake),
            kErrDeviceReadOnly);
  EXPECT_PRED_FORMAT2(testing::IsSubstring, "### SOFT ERR: Device HD Assets is read only\n",
                      m_capture.Text());
  EXPECT_EQ(m_manager.CreateEmptyFile(m_archive, nullptr, kMake), kErrArchiveReadOnly);
  EXPECT_EQ(m_manager.CreateEmptyFile(m_settings, nullptr, DeviceManager::MakeDirectories::kNo),
            kErrCannotWrite);
  EXPECT_EQ(m_manager.RemoveFile(m_settings, nullptr, DeviceManager::Confirm::kYes),
            kErrDeleteFailed);
  EXPECT_PRED_FORMAT2(testing::IsSubstring, "### SOFT ERR: Delete failed\n", m_capture.Text());
  EXPECT_FALSE(fs::exists("Assets"));

  EXPECT_EQ(m_manager.CreateEmptyFile(m_settings, nullptr, kMake), kErrNone);
  EXPECT_EQ(fs::file_size(kSettingsDiskPath), 0u);
  TempDirectory::WriteFile(kSettingsDiskPath, "[SYSTEM]\r\n");
  EXPECT_EQ(m_manager.CreateEmptyFile(m_settings, nullptr, kMake), kErrNone);
  EXPECT_EQ(fs::file_size(kSettingsDiskPath), 0u);
  EXPECT_TRUE(m_capture.Boxes().empty());
}

// Preparing sets the handle's line ending and mode. (That it names the handle
// and opens nothing is the compose_path fuzz target's.)
TEST_F(DeviceManagerTest, PrepareFileSetsUpTheHandle) {
  FileHandle handle(4096);
  EXPECT_EQ(m_manager.PrepareFile(handle, m_settings, nullptr), kErrFileNotFound);
  TempDirectory::WriteFile(kSettingsDiskPath, "");
  EXPECT_EQ(m_manager.PrepareFile(handle, m_settings, nullptr), kErrNone);
  EXPECT_EQ(handle.GetLineEnding(), LineEnding::kZeroByte);
  EXPECT_EQ(handle.GetMode(), kOpenReadWrite);
  const AssetDescriptor text("MISC", "QVConfig", ".INI", kPerPlatform, kAnyLanguage, kPlainFile,
                             kOpenRead, kText);
  EXPECT_EQ(m_manager.PrepareFile(handle, text, m_manager.GetHdDevice()), kErrNone);
  EXPECT_EQ(handle.GetLineEnding(), LineEnding::kCrLf);
  EXPECT_EQ(handle.GetMode(), kOpenRead);
  EXPECT_EQ(m_manager.PrepareFile(handle, m_archive, nullptr), kErrUnknown);
}
