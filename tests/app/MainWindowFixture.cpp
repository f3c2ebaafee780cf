#include "MainWindowFixture.h"

#include <filesystem>
#include <regex>

#include "engine/DeviceManager.h"
#include "engine/ErrorReporter.h"
#include "engine/Log.h"
#include "hardware/HardwareProbe.h"
#include "settings/GameSettings.h"

platform::StartResult FakeLauncher::Start(const std::string& path) {
  m_started.push_back(path);
  m_settings_at_start.push_back(MainWindowTest::ReadSettings());
  return m_result;
}

MainWindowTest::MainWindowTest() : m_previous_launcher(platform::SetProcessLauncher(&m_launcher)) {
  HardwareProbe::SetSpeedSource([this]() -> std::optional<float> { return m_speed_mhz; });
  SetHardware(platform::kDevCapsHwRasterization, 500.0f);
}

MainWindowTest::~MainWindowTest() {
  HardwareProbe::SetSpeedSource({});
  HardwareProbe::ForgetProcessState();
  platform::SetProcessLauncher(m_previous_launcher);
  delete GameSettings::s_instance;
  delete DeviceManager::s_instance;
  delete Log::s_instance;
  delete ErrorReporter::s_instance;
}

std::optional<std::string> MainWindowTest::ReadSettings() {
  if (!std::filesystem::is_regular_file(kSettingsPath)) return std::nullopt;
  return TempDirectory::ReadFile(kSettingsPath);
}

std::string MainWindowTest::SettingValue(const std::string& key) {
  const std::regex line("(^|\n)" + key + " *= *([^\r\n]*)");
  std::smatch match;
  const std::string text = ReadSettings().value_or("");
  return std::regex_search(text, match, line) ? match[2].str() : std::string();
}

void MainWindowTest::SetHardware(std::optional<std::uint32_t> dev_caps, float speed_mhz) {
  m_adapter.SetDevCaps(dev_caps);
  m_speed_mhz = speed_mhz;
  HardwareProbe::ForgetProcessState();
}
