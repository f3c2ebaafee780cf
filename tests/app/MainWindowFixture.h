#pragma once

#include <gtest/gtest.h>

#include <optional>
#include <string>
#include <vector>

#include "platform/ProcessLauncher.h"
#include "resources/GameResources.h"
#include "support/FakeGraphicsAdapter.h"
#include "support/FakeGraphicsRuntime.h"
#include "support/ScriptedBackend.h"
#include "support/TempDirectory.h"

// Starting the game, as the main window sees it: records what it was asked
// to start and what the settings file held at that moment.
class FakeLauncher final : public platform::ProcessLauncher {
 public:
  platform::StartResult Start(const std::string& path) override;

  platform::StartResult m_result;
  std::vector<std::string> m_started;
  std::vector<std::optional<std::string>> m_settings_at_start;
};

// The main window in a fresh, empty game folder on the scripted backend,
// with the program's resources, a fake game launcher and fake hardware (a
// 500 MHz processor with hardware rasterisation, so the probe recommends
// Medium unless a test changes that, and the current graphics runtime).
// Engine services that a test leaves behind are released after it.
class MainWindowTest : public ::testing::Test {
 public:
  static constexpr const char* kSettingsPath = "Assets/PC/ANY_LANG/MISC/QVConfig.INI";

  // The settings file's bytes, nothing when it does not exist.
  static std::optional<std::string> ReadSettings();
  // The value of `key` in the settings file as written ("" when missing).
  static std::string SettingValue(const std::string& key);

 protected:
  MainWindowTest();
  ~MainWindowTest() override;

  // Makes the next probe see this adapter and speed, as in a new process.
  void SetHardware(std::optional<std::uint32_t> dev_caps, float speed_mhz);

  TempDirectory m_folder;
  resources::GameResources m_resources;
  test::ScriptedBackend m_backend;
  FakeGraphicsAdapter m_adapter;
  FakeGraphicsRuntime m_runtime{platform::RuntimeVersion{platform::kRuntimeVersionCurrent, 0}};
  float m_speed_mhz = 0;
  FakeLauncher m_launcher;
  platform::ProcessLauncher* m_previous_launcher;
};
