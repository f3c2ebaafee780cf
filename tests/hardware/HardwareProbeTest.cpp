#include "hardware/HardwareProbe.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <filesystem>
#include <limits>
#include <string>

#include "platform/GraphicsAdapter.h"
#include "settings/GameSettings.h"
#include "support/FakeGraphicsAdapter.h"
#include "support/TempDirectory.h"

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
  HardwareProbeTest() { HardwareProbe::ForgetProcessState(); }
  ~HardwareProbeTest() override {
    HardwareProbe::ForgetProcessState();
    HardwareProbe::SetSpeedSource({});
  }

  void UseSpeed(std::optional<float> speed) {
    HardwareProbe::SetSpeedSource([this, speed] { return ++m_measurements, speed; });
  }

  // Closes the report, so its buffered lines reach the disk, and reads it.
  static std::string ReportAfterExit() {
    HardwareProbe::ForgetProcessState();
    return TempDirectory::ReadFile("Recon.dat");
  }

  TempDirectory m_folder;
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
      {500.0f, kTransform, QualityLevel::Low, 1, "Processor:500\r\nResult:1\r\n"},
      {1000.0f, std::nullopt, QualityLevel::Low, 1, "Processor:1000\r\nResult:1\r\n"},
      {std::nullopt, kBoth, QualityLevel::Low, 0,
       "Processor:0\r\nResult:1\r\n"},  // unknown = 0 MHz
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
  fs::create_directory("Recon.dat");
  FakeGraphicsAdapter adapter(kBoth);
  UseSpeed(1000.0f);
  EXPECT_EQ(HardwareProbe::Recommend(), QualityLevel::High);
  fs::remove("Recon.dat");
  HardwareProbe::WriteReconLine("Result:", 3);
  EXPECT_EQ(HardwareProbe::Recommend(), QualityLevel::High);
  EXPECT_FALSE(fs::exists("Recon.dat"));
}

// Lines are label and signed 64-bit decimal; the first line of a process truncates the file.
TEST_F(HardwareProbeTest, ReportLineFormat) {
  TempDirectory::WriteFile("Recon.dat", "Processor:1\r\nleftover from an earlier run\r\n");
  HardwareProbe::WriteReconLine("B:", -42);
  HardwareProbe::WriteReconLine("C:", std::numeric_limits<int64_t>::max());
  HardwareProbe::WriteReconLine("D:", std::numeric_limits<int64_t>::min());
  HardwareProbe::WriteReconLine("", 7);
  EXPECT_EQ(ReportAfterExit(), "B:-42\r\nC:9223372036854775807\r\nD:-9223372036854775808\r\n7\r\n");
}

// Each level writes its own preset values and itself; settings outside the table and unknown
// levels change nothing.
TEST(HardwareProbePreset, WritesTheLevelsPreset) {
  HardwareProbe::ApplyPreset(QualityLevel::High);  // no settings yet: nothing to write
  GameSettings settings;
  GameSettings::s_instance = &settings;
  settings.m_movies = false;
  settings.m_lod_body2 = 7.0f;
  settings.m_soft_render = true;
  struct Case {
    QualityLevel level;
    bool flat, line_clears, medium_world, shadow, personal;
    int shadow_size;
    float lod_body1;
  };
  const Case cases[] = {{QualityLevel::High, false, true, false, true, true, 6, 1000.0f},
                        {QualityLevel::Medium, false, false, true, false, true, 2, 0.0f},
                        {QualityLevel::Low, true, false, false, false, false, 2, 0.0f}};
  for (const Case& c : cases) {
    SCOPED_TRACE(static_cast<int>(c.level));
    settings.m_sound = false;
    HardwareProbe::ApplyPreset(c.level);
    EXPECT_FALSE(settings.m_soft_render || settings.m_flat_blocks);
    EXPECT_TRUE(settings.m_sound && settings.m_music && settings.m_preload_qvs_sounds);
    EXPECT_EQ(settings.m_flat_menus, c.flat);
    EXPECT_EQ(settings.m_flat_world, c.flat);
    EXPECT_EQ(settings.m_line_clears, c.line_clears);
    EXPECT_EQ(settings.m_medium_world, c.medium_world);
    EXPECT_EQ(settings.m_shadow, c.shadow);
    EXPECT_EQ(settings.m_personal && settings.m_background_minos, c.personal);
    EXPECT_EQ(settings.m_shadow_size, c.shadow_size);
    EXPECT_EQ(settings.m_lod_body1, c.lod_body1);
    EXPECT_EQ(settings.m_performance, c.level);
  }
  EXPECT_FALSE(settings.m_movies);
  EXPECT_EQ(settings.m_lod_body2, 7.0f);
  settings.m_shadow_size = 99;
  HardwareProbe::ApplyPreset(static_cast<QualityLevel>(3));
  HardwareProbe::ApplyPreset(static_cast<QualityLevel>(-1));
  EXPECT_EQ(settings.m_performance, QualityLevel::Low);
  EXPECT_EQ(settings.m_shadow_size, 99);
  GameSettings::s_instance = nullptr;
}
