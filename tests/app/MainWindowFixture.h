#pragma once

#include <gtest/gtest.h>

#include <filesystem>
#include <optional>
#include <regex>
#include <string>
#include <vector>

#include "engine/DeviceManager.h"
#include "engine/ErrorReporter.h"
#include "engine/Log.h"
#include "hardware/HardwareProbe.h"
#include "platform/GraphicsRuntime.h"
#include "platform/ProcessLauncher.h"
#include "resources/GameResources.h"
#include "settings/GameSettings.h"
#include "support/FakeGamepads.h"
#include "support/FakeGraphicsAdapter.h"
#include "support/ScriptedBackend.h"
#include "support/TempDirectory.h"

// The main window in a fresh, empty game folder on the scripted backend,
// with the program's resources, a fake game launcher (it records what it was
// asked to start and what the settings file held then) and fake hardware (a
// 500 MHz processor with hardware rasterisation, no gamepad, so the probe recommends
// Medium unless a test changes that, and the current graphics runtime).
// Engine services that a test leaves behind are released after it.
class MainWindowTest : public ::testing::Test,
                       public platform::ProcessLauncher,
                       public platform::GraphicsRuntime {
 public:
  static constexpr const char* kSettingsPath = "Assets/PC/ANY_LANG/MISC/QVConfig.INI";

  // The settings file's bytes, nothing when it does not exist.
  static std::optional<std::string> ReadSettings() {
    if (!std::filesystem::is_regular_file(kSettingsPath)) return std::nullopt;
    return TempDirectory::ReadFile(kSettingsPath);
  }
  // The value of `key` in the settings file as written ("" when missing),
  // the first one or the one in `chapter`.
  static std::string SettingValue(const std::string& key, const std::string& chapter = "") {
    const std::regex line("(^|\n)" + key + " *= *([^\r\n]*)");
    std::smatch match;
    std::string text = ReadSettings().value_or("");
    if (!chapter.empty()) {
      const std::size_t start = text.find("[" + chapter + "]");
      text =
          start == std::string::npos ? "" : text.substr(start, text.find("\n[", start + 1) - start);
    }
    return std::regex_search(text, match, line) ? match[2].str() : std::string();
  }

  std::optional<platform::SystemError> Start(const std::string& path) override {
    m_started.push_back(path);
    m_settings_at_start.push_back(ReadSettings());
    return m_start_result;
  }
  std::optional<platform::RuntimeVersion> QueryVersion() override {
    return platform::RuntimeVersion{platform::kRuntimeVersionCurrent, 0};
  }

 protected:
  MainWindowTest() {
    HardwareProbe::SetSpeedSource([this]() -> std::optional<float> { return m_speed_mhz; });
    SetHardware(platform::kDevCapsHwRasterization, 500.0f);
  }
  ~MainWindowTest() override {
    HardwareProbe::SetSpeedSource({});
    HardwareProbe::ForgetProcessState();
    platform::SetProcessLauncher(m_previous_launcher);
    platform::InstallGraphicsRuntime(m_previous_runtime);
    delete GameSettings::s_instance;
    delete DeviceManager::s_instance;
    delete Log::s_instance;
    delete ErrorReporter::s_instance;
  }

  // Makes the next probe see this adapter and speed, as in a new process.
  void SetHardware(std::optional<std::uint32_t> dev_caps, float speed_mhz) {
    m_adapter.dev_caps = dev_caps;
    m_speed_mhz = speed_mhz;
    HardwareProbe::ForgetProcessState();
  }

  TempDirectory m_folder;
  resources::GameResources m_resources;
  test::ScriptedBackend m_backend;
  FakeGraphicsAdapter m_adapter;
  FakeGamepads m_pads;
  float m_speed_mhz = 0;
  std::optional<platform::SystemError> m_start_result;
  std::vector<std::string> m_started;
  std::vector<std::optional<std::string>> m_settings_at_start;
  platform::ProcessLauncher* m_previous_launcher = platform::SetProcessLauncher(this);
  platform::GraphicsRuntime* m_previous_runtime = platform::InstallGraphicsRuntime(this);
};
