#include "hardware/HardwareProbe.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <limits>
#include <string>

#include "platform/GraphicsAdapter.h"
#include "settings/GameSettings.h"
#include "support/FakeGraphicsAdapter.h"

namespace fs = std::filesystem;

namespace {

constexpr uint32_t kBoth =
    platform::kDevCapsHwTransformAndLight | platform::kDevCapsHwRasterization;
constexpr uint32_t kRaster = platform::kDevCapsHwRasterization;
constexpr uint32_t kTransform = platform::kDevCapsHwTransformAndLight;

// Each test runs in a fresh folder, as a fresh process would: probe level 0,
// Recon.dat not yet opened, and a speed source that counts its calls.
class HardwareProbeTest : public testing::Test {
 protected:
  void SetUp() override {
    m_previous_folder = fs::current_path();
    m_folder = fs::temp_directory_path() /
               ("qv-probe-" + std::to_string(::testing::UnitTest::GetInstance()->random_seed()) +
                "-" + ::testing::UnitTest::GetInstance()->current_test_info()->name());
    fs::remove_all(m_folder);
    fs::create_directories(m_folder);
    fs::current_path(m_folder);
    HardwareProbe::ForgetProcessState();
  }

  void TearDown() override {
    HardwareProbe::ForgetProcessState();
    HardwareProbe::SetSpeedSource({});
    fs::current_path(m_previous_folder);
    fs::remove_all(m_folder);
  }

  void UseSpeed(std::optional<float> speed) {
    HardwareProbe::SetSpeedSource([this, speed] {
      ++m_measurements;
      return speed;
    });
  }

  // Closes the report, so its buffered lines reach the disk, and reads it.
  std::string ReportAfterExit() {
    HardwareProbe::ForgetProcessState();
    std::ifstream in(m_folder / "Recon.dat", std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
  }

  fs::path m_folder;
  fs::path m_previous_folder;
  int m_measurements = 0;
};

}  // namespace

// The speed thresholds are strict and on the float speed; the bits decide the rest.
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
      {595.1f, kBoth, QualityLevel::High, 1,
       "Processor:595\r\nHardware Transform:200\r\nResult:3\r\n"},
      {1000.0f, kTransform, QualityLevel::High, 1,
       "Processor:1000\r\nHardware Transform:200\r\nResult:3\r\n"},
      {797.6f, kTransform, QualityLevel::High, 1,
       "Processor:797\r\nHardware Transform:200\r\nResult:3\r\n"},
      {500.0f, kTransform, QualityLevel::Low, 1, "Processor:500\r\nResult:1\r\n"},
      {1000.0f, 0u, QualityLevel::Low, 1, "Processor:1000\r\nResult:1\r\n"},
      {1000.0f, std::nullopt, QualityLevel::Low, 1, "Processor:1000\r\nResult:1\r\n"},
      // An unknown speed counts as 0 MHz.
      {std::nullopt, kBoth, QualityLevel::Low, 0, "Processor:0\r\nResult:1\r\n"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(testing::Message()
                 << c.speed.value_or(-1.0f) << " MHz, caps " << c.dev_caps.value_or(0xDEAD));
    FakeGraphicsAdapter adapter(c.dev_caps);
    UseSpeed(c.speed);
    EXPECT_EQ(HardwareProbe::Recommend(), c.level);
    EXPECT_EQ(adapter.QueryCount(), c.adapter_queries);
    EXPECT_EQ(ReportAfterExit(), c.report);
  }
}

// Later calls answer from the probe level: no measurement, no adapter, one more line each.
TEST_F(HardwareProbeTest, LaterCallsAnswerFromTheProbeLevel) {
  FakeGraphicsAdapter adapter(kRaster);
  UseSpeed(450.0f);
  EXPECT_EQ(HardwareProbe::Recommend(), QualityLevel::Medium);
  EXPECT_EQ(HardwareProbe::s_probe_level, 2);
  m_measurements = 0;
  adapter.SetDevCaps(kBoth);
  UseSpeed(2000.0f);
  EXPECT_EQ(HardwareProbe::Recommend(), QualityLevel::Medium);
  EXPECT_EQ(m_measurements, 0);
  EXPECT_EQ(adapter.QueryCount(), 1);
  EXPECT_EQ(ReportAfterExit(), "Processor:450\r\nHardware Raster:150\r\nResult:2\r\nResult:2\r\n");
}

// A report that cannot be created loses its lines, not the result, and is not retried.
TEST_F(HardwareProbeTest, UncreatableReportIsDroppedOnce) {
  fs::create_directory(m_folder / "Recon.dat");
  FakeGraphicsAdapter adapter(kBoth);
  UseSpeed(1000.0f);
  EXPECT_EQ(HardwareProbe::Recommend(), QualityLevel::High);
  fs::remove(m_folder / "Recon.dat");
  HardwareProbe::WriteReconLine("Result:", 3);
  EXPECT_EQ(HardwareProbe::Recommend(), QualityLevel::High);
  EXPECT_FALSE(fs::exists(m_folder / "Recon.dat"));
}

// Lines are label and signed 64-bit decimal; the first line of a process truncates the file.
TEST_F(HardwareProbeTest, ReportLineFormat) {
  {
    std::ofstream old(m_folder / "Recon.dat", std::ios::binary);
    old << "Processor:1\r\nResult:3\r\nleftover from an earlier run\r\n";
  }
  HardwareProbe::WriteReconLine("A:", 0);
  HardwareProbe::WriteReconLine("B:", -42);
  HardwareProbe::WriteReconLine("C:", std::numeric_limits<int64_t>::max());
  HardwareProbe::WriteReconLine("D:", std::numeric_limits<int64_t>::min());
  HardwareProbe::WriteReconLine("", 7);
  EXPECT_EQ(ReportAfterExit(),
            "A:0\r\nB:-42\r\nC:9223372036854775807\r\nD:-9223372036854775808\r\n7\r\n");
}

// The real processor and no graphics device: the measured speed, and Low.
TEST_F(HardwareProbeTest, MeasuresTheRealFirstProcessor) {
  FakeGraphicsAdapter adapter(std::nullopt);
  EXPECT_EQ(HardwareProbe::Recommend(), QualityLevel::Low);
  const std::string report = ReportAfterExit();
  ASSERT_EQ(report.rfind("Processor:", 0), 0u) << report;
  const int mhz = std::stoi(report.substr(10));
  EXPECT_GT(mhz, 200);
  EXPECT_EQ(report.substr(report.find("\r\n")), "\r\nResult:1\r\n");
  EXPECT_EQ(adapter.QueryCount(), 1);
}

// Each level writes its fourteen values and itself; anything else changes nothing.
TEST(HardwareProbePreset, WritesTheLevelsPreset) {
  HardwareProbe::ApplyPreset(QualityLevel::High);  // no settings yet: nothing to write

  GameSettings settings;
  GameSettings::s_instance = &settings;
  settings.m_movies = false;
  settings.m_ripple = false;
  settings.m_lod_body2 = 7.0f;
  settings.m_shadow_size = 99;

  HardwareProbe::ApplyPreset(QualityLevel::High);
  EXPECT_FALSE(settings.m_soft_render);
  EXPECT_FALSE(settings.m_flat_menus);
  EXPECT_TRUE(settings.m_line_clears);
  EXPECT_TRUE(settings.m_sound && settings.m_music && settings.m_preload_qvs_sounds);
  EXPECT_FALSE(settings.m_flat_world || settings.m_medium_world || settings.m_flat_blocks);
  EXPECT_TRUE(settings.m_personal && settings.m_shadow && settings.m_background_minos);
  EXPECT_EQ(settings.m_shadow_size, 6);
  EXPECT_EQ(settings.m_lod_body1, 1000.0f);
  EXPECT_EQ(settings.m_performance, QualityLevel::High);

  settings.m_soft_render = true;
  settings.m_sound = false;
  HardwareProbe::ApplyPreset(QualityLevel::Medium);
  EXPECT_FALSE(settings.m_soft_render);
  EXPECT_FALSE(settings.m_flat_menus || settings.m_line_clears || settings.m_flat_world);
  EXPECT_TRUE(settings.m_sound && settings.m_music && settings.m_preload_qvs_sounds);
  EXPECT_TRUE(settings.m_medium_world);
  EXPECT_FALSE(settings.m_flat_blocks || settings.m_shadow);
  EXPECT_TRUE(settings.m_personal && settings.m_background_minos);
  EXPECT_EQ(settings.m_shadow_size, 2);
  EXPECT_EQ(settings.m_lod_body1, 0.0f);
  EXPECT_EQ(settings.m_performance, QualityLevel::Medium);

  HardwareProbe::ApplyPreset(QualityLevel::Low);
  EXPECT_TRUE(settings.m_flat_menus && settings.m_flat_world);
  EXPECT_FALSE(settings.m_line_clears || settings.m_medium_world || settings.m_flat_blocks);
  EXPECT_FALSE(settings.m_personal || settings.m_shadow || settings.m_background_minos);
  EXPECT_TRUE(settings.m_sound && settings.m_music && settings.m_preload_qvs_sounds);
  EXPECT_EQ(settings.m_shadow_size, 2);
  EXPECT_EQ(settings.m_lod_body1, 0.0f);
  EXPECT_EQ(settings.m_performance, QualityLevel::Low);

  // Settings outside the table keep their values through every preset.
  EXPECT_FALSE(settings.m_movies);
  EXPECT_FALSE(settings.m_ripple);
  EXPECT_EQ(settings.m_lod_body2, 7.0f);

  const SettingsRecord before = settings;
  HardwareProbe::ApplyPreset(static_cast<QualityLevel>(3));
  HardwareProbe::ApplyPreset(static_cast<QualityLevel>(-1));
  EXPECT_EQ(settings.m_performance, QualityLevel::Low);
  EXPECT_EQ(settings.m_flat_menus, before.m_flat_menus);
  EXPECT_EQ(settings.m_shadow_size, before.m_shadow_size);
  EXPECT_EQ(settings.m_lod_body1, before.m_lod_body1);
  GameSettings::s_instance = nullptr;
}
