#include <limits>
#include <memory>
#include <string>

#include "assets/AssetRegistry.h"
#include "config/ConfigFixture.h"
#include "engine/DeviceManager.h"
#include "settings/GameSettings.h"

namespace {

constexpr const char* kPath = "Assets/PC/ANY_LANG/MISC/QVConfig.INI";

class HostileSettingsTest : public ConfigFixture {
 protected:
  ErrorCode Load() { return m_settings->Load(kAssetQVConfig_INI, nullptr); }
  ErrorCode Save() { return m_settings->Save(kAssetQVConfig_INI, nullptr); }
  std::unique_ptr<DeviceManager> m_devices = std::make_unique<DeviceManager>();
  std::unique_ptr<GameSettings> m_settings = std::make_unique<GameSettings>();
};

}  // namespace

// The settings path of the three faults: the empty key given a longer value survives a store;
// numbers beyond the double range load as 0 or infinity by their size, in owned and read-only
// keys alike; a value of half a megabyte is stored whole through the settings buffer.
TEST_F(HostileSettingsTest, FaultInputsLoadAndStore) {
  const std::string tiny = "0." + std::string(330, '0') + "1";
  const std::string huge = "1" + std::string(400, '0') + "e-5";
  const std::string long_value(512 * 1024, 'v');
  WriteBytes(kPath, "=\r\n=2\r\n[MINOS]\r\nLODBODY1=" + tiny + "\r\nLODBODY2=" + huge +
                        "\r\n[GAME]\r\nFIRSTREPEATDELAY=" + huge +
                        "\r\n[LONG]\r\nVALUE=" + long_value + "\r\n");
  ASSERT_EQ(Load(), kErrNone);
  EXPECT_EQ(m_settings->m_lod_body1, 0.0f);
  EXPECT_EQ(m_settings->m_lod_body2, std::numeric_limits<float>::infinity());
  EXPECT_EQ(m_settings->m_first_repeat_delay, std::numeric_limits<float>::infinity());

  m_settings->m_lod_body2 = 5.0f;
  ASSERT_EQ(Save(), kErrNone);
  const std::string saved = ReadBytes(kPath);
  EXPECT_EQ(saved.rfind("=2\r\n", 0), 0u);
  EXPECT_NE(saved.find("LODBODY1=0.000000\r\nLODBODY2=5.000000\r\n"), std::string::npos);
  EXPECT_NE(saved.find("FIRSTREPEATDELAY=" + huge + "\r\n"), std::string::npos);
  EXPECT_NE(saved.find("[LONG]\r\nVALUE=" + long_value + "\r\n"), std::string::npos);
  EXPECT_TRUE(Boxes().empty());
}
