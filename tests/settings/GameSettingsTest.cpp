#include <memory>
#include <sstream>
#include <tuple>

#include "assets/AssetRegistry.h"
#include "config/ConfigFixture.h"
#include "engine/DeviceManager.h"
#include "settings/GameSettings.h"
#include "support/GermanLocale.h"

namespace {

constexpr const char* kPath = "Assets/PC/ANY_LANG/MISC/QVConfig.INI";

// The text with every "|" turned into a CR LF line end.
std::string Lines(const std::string& text) {
  std::string lines;
  for (char c : text) lines += c == '|' ? std::string("\r\n") : std::string(1, c);
  return lines;
}

// A fresh game folder with the engine services the settings need, recording every log message
// and every message box.
class SettingsTest : public ConfigFixture {
 protected:
  ErrorCode Load() { return m_settings->Load(kAssetQVConfig_INI, nullptr); }
  ErrorCode Save() { return m_settings->Save(kAssetQVConfig_INI, nullptr); }
  std::unique_ptr<DeviceManager> m_devices = std::make_unique<DeviceManager>();
  std::unique_ptr<GameSettings> m_settings = std::make_unique<GameSettings>();
};

const std::string kGuid = "|GUID=2757121064:14699:9527:27:93:56:24:54:11:170:221";
const std::string kUnset = "CANCEL=0|DOWN=0" + kGuid +
                           "|HARDDROP=0|HOLD=0|LEFT=0|RIGHT=0|ROTATELEFT=0|ROTATERIGHT=0|SELECT=0|"
                           "SOFTDROP=0|START=0|UP=0|";
// The chapters a save writes from the defaults with the High preset, keys in key order, each
// after an empty line.
const std::string kFirstStore = Lines(
    "|[MINOS]|BACKGROUNDMINOS=TRUE|LODACC1=1000.000000|LODBODY1=1000.000000|LODBODY2=1001.000000|"
    "LODBODY3=1002.000000|LODEYE1=1000.000000|LODEYE2=1002.000000|PERSONAL=TRUE|SHADOW=TRUE|"
    "SHADOWSIZE=6||[PLAYER01]|CANCEL=10|DOWN=40" +
    kGuid +
    "|HARDDROP=32|HOLD=16|LEFT=37|RIGHT=39|ROTATELEFT=17|ROTATERIGHT=38|SELECT=13|SOFTDROP=40|"
    "START=112|UP=38||[PLAYER02]|CANCEL=123|DOWN=101" +
    kGuid +
    "|HARDDROP=96|HOLD=97|LEFT=100|RIGHT=102|ROTATELEFT=103|ROTATERIGHT=104|SELECT=22|"
    "SOFTDROP=101|START=106|UP=104||[PLAYER03]|" +
    kUnset + "|[PLAYER04]|" + kUnset +
    "|[SYSTEM]|DEBUGKEYS=FALSE|MOVIES=TRUE|PERFORMANCE=0|SOFTRENDER=FALSE||[WORLDS]|"
    "FLATBLOCKS=FALSE|FLATMENUS=FALSE|FLATWORLD=FALSE|HUDSCOREBOARD=FALSE|LINECLEARS=TRUE|"
    "MEDIUMWORLD=FALSE|MUSIC=TRUE|PRELOADQVSSOUNDS=TRUE|RIPPLE=TRUE|SOUND=TRUE|");

}  // namespace

// A file with only SYSTEM/PERFORMANCE warns once for each of the other 83 keys, then dumps
// what it read.
TEST_F(SettingsTest, LoadOnlyPerformance) {
  WriteBytes(kPath, Lines("[SYSTEM]|PERFORMANCE=1|"));
  EXPECT_EQ(Load(), kErrNone);
  EXPECT_EQ(m_settings->m_performance, QualityLevel::Medium);
  std::vector<std::string> warnings;
  std::istringstream logged(m_capture.Text());
  for (std::string line; std::getline(logged, line);)
    if (line.starts_with("config warning")) warnings.push_back(line);
  ASSERT_EQ(warnings.size(), 83u);
  EXPECT_EQ(warnings.front(), "config warning: value SYSTEM:SOFTRENDER not found");
  EXPECT_EQ(warnings.back(), "config warning: guid value PLAYER04:GUID not found");
  EXPECT_EQ(CountLog("*PERFORMANCE* = *1*\n"), 1);
}

// No old file, then a second and a third save: the three layouts of the writer.
TEST_F(SettingsTest, SaveLayouts) {
  m_settings->m_line_clears = true;  // the High preset's fields that differ from the defaults
  m_settings->m_shadow_size = 6;
  m_settings->m_performance = QualityLevel::High;
  EXPECT_EQ(Save(), kErrNone);
  EXPECT_EQ(ReadBytes(kPath), kFirstStore);
  const std::string second = kFirstStore.substr(2) + "\r\n";  // each chapter before an empty line
  for (int store = 2; store <= 3; ++store) {
    EXPECT_EQ(Save(), kErrNone);
    EXPECT_EQ(ReadBytes(kPath), second) << store;
  }
  EXPECT_TRUE(Boxes().empty());
}

// Unknown chapters, keys and comments, GAME and MoodDebug survive; owned keys are replaced.
TEST_F(SettingsTest, SaveMergesIntoTheOldFile) {
  WriteBytes(kPath, Lines("! made by hand|[CUSTOM]|zeta=1|alpha = two words|[GAME]|RIBBON=TRUE|"
                          "! between keys|NEXTSTYLE=4|[MINOS]|lodbody1=7|mooddebug=TRUE|[SYSTEM]|"
                          "PERFORMANCE=2|"));
  ASSERT_EQ(Load(), kErrNone);
  m_settings->m_lod_body1 = 0.0f;
  m_settings->m_players[1][GameAction::HARDDROP] = 65;
  EXPECT_EQ(Save(), kErrNone);
  const std::string saved = ReadBytes(kPath);
  const std::string head = Lines(
      "! made by hand|[CUSTOM]|ALPHA=two words|ZETA=1||[GAME]|NEXTSTYLE=4|RIBBON=TRUE||"
      "! between keys|[MINOS]|BACKGROUNDMINOS=TRUE|LODACC1=1000.000000|LODBODY1=0.000000|"
      "LODBODY2=1001.000000|LODBODY3=1002.000000|LODEYE1=1000.000000|LODEYE2=1002.000000|"
      "MOODDEBUG=TRUE|PERSONAL=TRUE|SHADOW=TRUE|SHADOWSIZE=5||[SYSTEM]|DEBUGKEYS=FALSE|"
      "MOVIES=TRUE|PERFORMANCE=2|SOFTRENDER=FALSE|||[PLAYER01]|");
  EXPECT_EQ(saved.substr(0, head.size()), head);
  EXPECT_NE(saved.find("HARDDROP=65\r\n"), std::string::npos);
  EXPECT_LT(saved.find("[PLAYER04]"), saved.find("[WORLDS]"));
  EXPECT_EQ(saved.find("[GAME]", head.size()), std::string::npos);
}

// No file leaves the record as it was. (A save whose folder cannot be made is
// a cell of the save fault matrix.)
TEST_F(SettingsTest, MissingFileLeavesTheRecord) {
  m_settings->m_shadow_size = 42;
  EXPECT_EQ(Load(), kErrFileNotFound);
  EXPECT_EQ(m_settings->m_shadow_size, 42);
  EXPECT_TRUE(Boxes().empty());
}

// Every kind of field is read in any case, and a German process locale changes neither what a
// load reads nor what a save writes.
TEST_F(SettingsTest, LoadEveryKindUnderAGermanLocale) {
  WriteBytes(kPath, Lines("[game]|NextStyle=2|FIRSTREPEATDELAY=0.25|wireframe=true|[Minos]|"
                          "lodbody1=2.5|LODEYE2=2,5|SHADOWSIZE=3|[PLAYER02]|RIGHT=5|LEFT=6|"
                          "GUID=1:2:3:4:5:6:7:8:9:10:11|[SYSTEM]|PERFORMANCE=-1|MOVIES=FALSE|"));
  ErrorCode loaded;
  ErrorCode stored;
  {
    const GermanLocale german;
    ASSERT_TRUE(german.Active()) << "needs the package locales-all";
    loaded = Load();
    m_settings->m_lod_body2 = 0.25f;
    stored = Save();
  }
  EXPECT_EQ(std::tuple(loaded, stored), std::tuple(kErrNone, kErrNone));
  const GameSettings& got = *m_settings;
  EXPECT_EQ(std::tuple(got.m_next_style, got.m_first_repeat_delay, got.m_wireframe, got.m_lod_body1,
                       got.m_lod_eye2, got.m_shadow_size, got.m_movies),
            std::tuple(2, 0.25f, true, 2.5f, 2.0f, 3, false));
  EXPECT_EQ(std::tuple(got.m_players[1][GameAction::RIGHT], got.m_players[1][GameAction::LEFT]),
            std::tuple(5, 6));
  EXPECT_EQ(got.m_players[1].m_device, (Guid{1, 2, 3, {4, 5, 6, 7, 8, 9, 10, 11}}));
  EXPECT_FALSE(IsChosen(m_settings->m_performance));
  const std::string text = ReadBytes(kPath);
  for (const char* line : {"LODBODY1=2.500000", "LODBODY2=0.250000", "FIRSTREPEATDELAY=0.25"})
    EXPECT_NE(text.find("\r\n" + std::string(line) + "\r\n"), std::string::npos) << line;
}
