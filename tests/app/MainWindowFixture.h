#pragma once

#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "app/EngineServices.h"
#include "hardware/HardwareProbe.h"
#include "platform/Installed.h"
#include "resources/GameResources.h"
#include "settings/GameSettings.h"
#include "support/FakeGamepads.h"
#include "support/FakeGraphicsAdapter.h"
#include "support/FakeGraphicsRuntime.h"
#include "support/FakeProcessLauncher.h"
#include "support/FakeSpeedSource.h"
#include "support/ScriptedBackend.h"
#include "support/TempDirectory.h"

// The main window in a fresh, empty game folder on the scripted backend,
// with the program's resources, a fake game launcher (it records what it was
// asked to start and what the settings file held then) and fake hardware (a
// 500 MHz processor with hardware rasterisation, no gamepad, so the probe recommends
// Medium unless a test changes that, and the current graphics runtime).
// Engine services that a test leaves behind are released after it.
class MainWindowTest : public ::testing::Test {
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
    std::string text = ReadSettings().value_or("");
    if (!chapter.empty()) {
      const std::size_t start = text.find("[" + chapter + "]");
      text =
          start == std::string::npos ? "" : text.substr(start, text.find("\n[", start + 1) - start);
    }
    // The first line "KEY = value", spaces around "=" allowed.
    for (std::size_t at = 0; at < text.size();) {
      const std::size_t end = std::min(text.find('\n', at), text.size());
      std::string_view line(text.data() + at, end - at);
      at = end + 1;
      if (!line.starts_with(key)) continue;
      line.remove_prefix(key.size());
      while (line.starts_with(' ')) line.remove_prefix(1);
      if (!line.starts_with('=')) continue;
      line.remove_prefix(1);
      while (line.starts_with(' ')) line.remove_prefix(1);
      return std::string(line.substr(0, line.find('\r')));
    }
    return "";
  }

 protected:
  MainWindowTest() {
    m_launcher.on_start = [this] { m_settings_at_start.push_back(ReadSettings()); };
    SetHardware(platform::kDevCapsHwRasterization, 500.0f);
  }
  ~MainWindowTest() override {
    HardwareProbe::ForgetProcessState();
    EngineServices::ReleaseWindowServices();
    EngineServices::ReleaseProcessServices();
  }

  // Makes the next probe see this adapter and speed, as in a new process.
  void SetHardware(std::optional<std::uint32_t> dev_caps, float speed_mhz) {
    m_adapter.dev_caps = dev_caps;
    m_speed.speed = speed_mhz;
    HardwareProbe::ForgetProcessState();
  }

  TempDirectory m_folder;
  resources::GameResources m_resources;
  test::ScriptedBackend m_backend;
  FakeGraphicsAdapter m_adapter;
  FakeSpeedSource m_speed;
  FakeGraphicsRuntime m_runtime;
  FakeGamepads m_pads;
  FakeProcessLauncher m_launcher;
  std::vector<std::optional<std::string>> m_settings_at_start;
  platform::Installed<platform::GraphicsAdapter> m_installed_adapter{m_adapter,
                                                                 &platform::SetGraphicsAdapter};
  platform::Installed<SpeedSource> m_installed_speed{m_speed, &SetSpeedSource};
  platform::Installed<platform::GraphicsRuntime> m_installed_runtime{m_runtime,
                                                                 &platform::SetGraphicsRuntime};
  platform::Installed<platform::Gamepads> m_installed_pads{m_pads, &platform::SetGamepads};
  platform::Installed<platform::ProcessLauncher> m_installed_launcher{m_launcher,
                                                                  &platform::SetProcessLauncher};
};
