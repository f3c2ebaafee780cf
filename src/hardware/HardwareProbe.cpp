#include "hardware/HardwareProbe.h"

#include <charconv>
#include <string>

#include "hardware/SpeedSource.h"
#include "platform/FileSystem.h"
#include "platform/GraphicsAdapter.h"
#include "settings/GameSettings.h"

int32_t HardwareProbe::s_probe_level = 0;

namespace {

constexpr float kRasterSpeed = 395.0f;
constexpr float kTransformSpeed = 595.0f;

// A speed that could not be measured is taken as 0 MHz: without a figure the
// probe cannot vouch for the processor, so it recommends the level that runs
// everywhere (Low), and "Processor:0" in Recon.dat shows that timing failed.
constexpr float kUnmeasuredSpeed = 0.0f;

// The report file: opened on the first line of the process and kept open
// until the process ends; a failed open is not retried.
platform::NativeFile* s_recon_file = nullptr;
bool s_recon_opened = false;

int32_t ProbeHardware() {
  const float speed = GetSpeedSource().FirstProcessorSpeed().value_or(kUnmeasuredSpeed);
  HardwareProbe::WriteReconLine("Processor:", static_cast<int64_t>(speed));

  int32_t level = 1;
  if (speed > kRasterSpeed) {
    const std::optional<uint32_t> dev_caps =
        platform::GetGraphicsAdapter().QueryDefaultDeviceCaps();
    if (dev_caps) {
      if ((*dev_caps & platform::kDevCapsHwTransformAndLight) != 0 && speed > kTransformSpeed) {
        level = 3;
        HardwareProbe::WriteReconLine("Hardware Transform:", 200);
      } else if ((*dev_caps & platform::kDevCapsHwRasterization) != 0) {
        level = 2;
        HardwareProbe::WriteReconLine("Hardware Raster:", 150);
      }
    }
  }
  return level;
}

struct Preset {
  bool soft_render;
  bool flat_menus;
  bool line_clears;
  bool sound;
  bool music;
  bool preload_qvs_sounds;
  bool flat_world;
  bool medium_world;
  bool flat_blocks;
  bool personal;
  bool shadow;
  int32_t shadow_size;
  bool background_minos;
  float lod_body1;
};

// Indexed by quality level: High, Medium, Low.
constexpr Preset kPresets[] = {
    {false, false, true, true, true, true, false, false, false, true, true, 6, true, 1000.0f},
    {false, false, false, true, true, true, false, true, false, true, false, 2, true, 0.0f},
    {false, true, false, true, true, true, true, false, false, false, false, 2, false, 0.0f},
};

}  // namespace

QualityLevel HardwareProbe::Recommend() {
  if (s_probe_level == 0) {
    s_probe_level = ProbeHardware();
  }
  WriteReconLine("Result:", s_probe_level);
  switch (s_probe_level) {
    case 3:
      return QualityLevel::High;
    case 2:
      return QualityLevel::Medium;
    default:
      return QualityLevel::Low;
  }
}

void HardwareProbe::ApplyPreset(QualityLevel level) {
  GameSettings* settings = GameSettings::s_instance;
  if (settings == nullptr || !IsChosen(level)) {
    return;
  }
  const Preset& preset = kPresets[static_cast<int32_t>(level)];
  settings->m_soft_render = preset.soft_render;
  settings->m_flat_menus = preset.flat_menus;
  settings->m_line_clears = preset.line_clears;
  settings->m_sound = preset.sound;
  settings->m_music = preset.music;
  settings->m_preload_qvs_sounds = preset.preload_qvs_sounds;
  settings->m_flat_world = preset.flat_world;
  settings->m_medium_world = preset.medium_world;
  settings->m_flat_blocks = preset.flat_blocks;
  settings->m_personal = preset.personal;
  settings->m_shadow = preset.shadow;
  settings->m_shadow_size = preset.shadow_size;
  settings->m_background_minos = preset.background_minos;
  settings->m_lod_body1 = preset.lod_body1;
  settings->m_performance = level;
}

void HardwareProbe::WriteReconLine(std::string_view label, int64_t value) {
  if (!s_recon_opened) {
    s_recon_opened = true;
    // Binary: the line ends below are the file's own, on every platform.
    if (const auto opened = platform::GetFileSystem().Open("Recon.dat", "wb"))
      s_recon_file = *opened;
  }
  if (s_recon_file == nullptr) {
    return;
  }
  char digits[21];
  const std::to_chars_result end = std::to_chars(digits, digits + sizeof digits, value);
  std::string line(label);
  line.append(digits, end.ptr);
  // The game's report is a text file of its own platform: CR LF on disk.
  line.append("\r\n");
  platform::FileSystem& files = platform::GetFileSystem();
  files.Write(s_recon_file, line.data(), line.size());
  // Each line reaches the disk at once: the report is there to explain a
  // start that went wrong, which may end the process before its exit.
  files.Flush(s_recon_file);
}

void HardwareProbe::ForgetProcessState() {
  s_probe_level = 0;
  if (s_recon_file != nullptr) {
    platform::GetFileSystem().Close(s_recon_file);
    s_recon_file = nullptr;
  }
  s_recon_opened = false;
}
