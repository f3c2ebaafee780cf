#include "engine/DeviceManager.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <string>
#include <vector>

#include "engine/AssetDescriptor.h"
#include "engine/FileHandle.h"
#include "engine/OpenMode.h"
#include "platform/Installed.h"
#include "support/LogCapture.h"
#include "support/RecordingFileSystem.h"
#include "support/TempDirectory.h"

namespace fs = std::filesystem;
using Strings = std::vector<std::string>;

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
  RecordingFileSystem m_files;
  platform::Installed<platform::FileSystem> m_installed_files{m_files, &platform::SetFileSystem};
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

// Creating makes each folder of the path in turn and empties an existing file;
// each refusal, and a removal that finds no file, names its reason and leaves
// the disk as it was. (Composing paths and the removal rules are fuzzed.)
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
  EXPECT_EQ(m_files.made_directories,
            (Strings{".", ".\\Assets", ".\\Assets\\PC", ".\\Assets\\PC\\ANY_LANG",
                     ".\\Assets\\PC\\ANY_LANG\\MISC"}));
  TempDirectory::WriteFile(kSettingsDiskPath, "[SYSTEM]\r\n");
  EXPECT_EQ(m_manager.CreateEmptyFile(m_settings, nullptr, kMake), kErrNone);
  EXPECT_EQ(fs::file_size(kSettingsDiskPath), 0u);
  EXPECT_TRUE(m_capture.Boxes().empty());
}

// Preparing names the handle and sets its line ending and mode, but opens nothing.
TEST_F(DeviceManagerTest, PrepareFileSetsUpTheHandle) {
  FileHandle handle(4096);
  EXPECT_EQ(m_manager.PrepareFile(handle, m_settings, nullptr), kErrFileNotFound);
  TempDirectory::WriteFile(kSettingsDiskPath, "");
  EXPECT_EQ(m_manager.PrepareFile(handle, m_settings, nullptr), kErrNone);
  EXPECT_EQ(handle.GetName(), kSettingsPath);
  EXPECT_EQ(handle.GetLineEnding(), LineEnding::kZeroByte);
  EXPECT_EQ(handle.GetMode(), kOpenReadWrite);
  EXPECT_FALSE(handle.IsOpen());
  const AssetDescriptor text("MISC", "QVConfig", ".INI", kPerPlatform, kAnyLanguage, kPlainFile,
                             kOpenRead, kText);
  EXPECT_EQ(m_manager.PrepareFile(handle, text, m_manager.GetHdDevice()), kErrNone);
  EXPECT_EQ(handle.GetLineEnding(), LineEnding::kCrLf);
  EXPECT_EQ(handle.GetMode(), kOpenRead);
  EXPECT_EQ(m_manager.PrepareFile(handle, m_archive, nullptr), kErrUnknown);
}
