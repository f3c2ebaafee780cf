#pragma once

#include <filesystem>
#include <memory>
#include <string>

#include "assets/AssetRegistry.h"
#include "config/ConfigFixture.h"
#include "engine/DeviceManager.h"
#include "settings/GameSettings.h"

// A fresh game folder per test with the engine services the settings need,
// recording every log message and every message box.
class SettingsFixture : public ConfigFixture {
 protected:
  static constexpr const char* kSettingsPath = "Assets/PC/ANY_LANG/MISC/QVConfig.INI";

  static void WriteSettingsFile(const std::string& bytes) { WriteBytes(kSettingsPath, bytes); }
  static std::string ReadSettingsFile() { return ReadBytes(kSettingsPath); }

  std::unique_ptr<DeviceManager> m_devices = std::make_unique<DeviceManager>();
  std::unique_ptr<GameSettings> m_settings = std::make_unique<GameSettings>();
};
