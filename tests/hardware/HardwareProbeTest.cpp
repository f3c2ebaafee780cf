#include "hardware/HardwareProbe.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <filesystem>
#include <limits>
#include <string>

#include "platform/GraphicsAdapter.h"
#include "settings/GameSettings.h"
#include "support/FakeGraphicsAdapter.h"
#include "support/FakeSpeedSource.h"
#include "platform/Installed.h"
#include "support/RecordingFileSystem.h"
#include "support/TempDirectory.h"

namespace {

constexpr uint32_t kRaster = platform::kDevCapsHwRasterization;
constexpr uint32_t kTransform = platform::kDevCapsHwTransformAndLight;
constexpr uint32_t kBoth = kRaster | kTransform;

// Each test runs in a fresh folder, as a fresh process would: probe level 0
// and Recon.dat not yet opened.
class HardwareProbeTest : public testing::Test {
 protected:
  HardwareProbeTest() { HardwareProbe::ForgetProcessState(); }
  ~HardwareProbeTest() override { HardwareProbe::ForgetProcessState(); }

  // Closes the report, so its buffered lines reach the disk, and reads it.
  static std::string ReportAfterExit() {
    HardwareProbe::ForgetProcessState();
    return TempDirectory::ReadFile("Recon.dat");
  }

  TempDirectory m_folder;
  FakeGraphicsAdapter m_adapter;
  platform::Installed<platform::GraphicsAdapter> m_installed_adapter{m_adapter,
                                                                 &platform::SetGraphicsAdapter};
  FakeSpeedSource m_speed;
  platform::Installed<SpeedSource> m_installed_speed{m_speed, &SetSpeedSource};
};

}  // namespace

// The speed thresholds are strict and on the float speed; the bits decide the
// rest. The first line of a process truncates an old report. Later calls
// answer from the probe level: no measurement, no adapter, one more result line.
TEST_F(HardwareProbeTest, LevelRules) {
  struct Case {
    std::optional<float> speed;
    std::optional<uint32_t> dev_caps;
    QualityLevel level;
    int adapter_queries;
    const char* report;
  };
  const Case cases[] = {
      {395.0f, kBoth, QualityLevel::Low, 0, "Processor:395\r\nResult:1\r\n"},
      {395.1f, kRaster, QualityLevel::Medium, 1,
       "Processor:395\r\nHardware Raster:150\r\nResult:2\r\n"},
      {595.0f, kBoth, QualityLevel::Medium, 1,
       "Processor:595\r\nHardware Raster:150\r\nResult:2\r\n"},
      {595.1f, kTransform, QualityLevel::High, 1,
       "Processor:595\r\nHardware Transform:200\r\nResult:3\r\n"},
      {500.0f, kTransform, QualityLevel::Low, 1, "Processor:500\r\nResult:1\r\n"},
      {1000.0f, std::nullopt, QualityLevel::Low, 1, "Processor:1000\r\nResult:1\r\n"},
      {std::nullopt, kBoth, QualityLevel::Low, 0, "Processor:0\r\nResult:1\r\n"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(testing::Message() << c.speed.value_or(-1.0f) << " MHz");
    TempDirectory::WriteFile("Recon.dat", "leftover from an earlier run\r\n");
    m_adapter = FakeGraphicsAdapter(c.dev_caps);
    m_speed = FakeSpeedSource(c.speed);
    EXPECT_EQ(HardwareProbe::Recommend(), c.level);
    m_adapter.dev_caps = kBoth;
    m_speed.speed = 2000.0f;
    EXPECT_EQ(HardwareProbe::Recommend(), c.level);
    EXPECT_EQ(m_speed.measurements, 1);
    EXPECT_EQ(m_adapter.queries, c.adapter_queries);
    const std::string report = c.report;
    EXPECT_EQ(ReportAfterExit(), report + report.substr(report.size() - 10));
  }
}

// Values are signed 64-bit decimals, each line written through the platform's
// file system in one write. (That the CR LF reach the disk as they are under
// Windows too is the Windows end-to-end test's comparison of the two builds'
// reports.) A report that cannot be created loses its lines, not the result,
// and is not retried.
TEST_F(HardwareProbeTest, ReportLinesAndAnUncreatableReport) {
  RecordingFileSystem files;
  {
    platform::Installed<platform::FileSystem> installed{files, &platform::SetFileSystem};
    HardwareProbe::WriteReconLine("B:", std::numeric_limits<int64_t>::min());
    EXPECT_EQ(ReportAfterExit(), "B:-9223372036854775808\r\n");
  }
  EXPECT_EQ(files.Calls(RecordingFileSystem::Operation::kWrite), 1);
  std::filesystem::remove("Recon.dat");
  std::filesystem::create_directory("Recon.dat");
  m_adapter.dev_caps = kBoth;
  m_speed.speed = 1000.0f;
  EXPECT_EQ(HardwareProbe::Recommend(), QualityLevel::High);
  std::filesystem::remove("Recon.dat");
  HardwareProbe::WriteReconLine("Result:", 3);
  EXPECT_EQ(HardwareProbe::Recommend(), QualityLevel::High);
  EXPECT_FALSE(std::filesystem::exists("Recon.dat"));
}

// A level's preset replaces the preset fields and the level, and only them;
// no settings or an unknown level change nothing. (The values each level
// saves are checked through the main window.)
TEST(HardwareProbePreset, WritesOnlyTheLevelsPreset) {
  HardwareProbe::ApplyPreset(QualityLevel::High);  // no settings yet: nothing to write
  GameSettings settings;
  GameSettings::s_instance = &settings;
  settings.m_movies = false;
  settings.m_soft_render = settings.m_flat_menus = true;
  HardwareProbe::ApplyPreset(QualityLevel::High);
  EXPECT_FALSE(settings.m_soft_render || settings.m_flat_menus);
  EXPECT_FALSE(settings.m_movies);
  settings.m_shadow_size = 99;
  HardwareProbe::ApplyPreset(static_cast<QualityLevel>(3));
  HardwareProbe::ApplyPreset(static_cast<QualityLevel>(-1));
  EXPECT_EQ(settings.m_performance, QualityLevel::High);
  EXPECT_EQ(settings.m_shadow_size, 99);
  GameSettings::s_instance = nullptr;
}
