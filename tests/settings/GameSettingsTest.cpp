#include <clocale>
#include <tuple>

#include "SettingsFixture.h"
#include "engine/ErrorCode.h"
#include "settings/SettingsKeys.h"

namespace {

// The chapters a save writes from the defaults with the High preset, keys in
// key order; each block ends before the empty line that separates chapters.
const std::string kMinos = ConfigFixture::CrLf(
    {"[MINOS]", "BACKGROUNDMINOS=TRUE", "LODACC1=1000.000000", "LODBODY1=1000.000000",
     "LODBODY2=1001.000000", "LODBODY3=1002.000000", "LODEYE1=1000.000000", "LODEYE2=1002.000000",
     "PERSONAL=TRUE", "SHADOW=TRUE", "SHADOWSIZE=6"});
const std::string kSystem = ConfigFixture::CrLf(
    {"[SYSTEM]", "DEBUGKEYS=FALSE", "MOVIES=TRUE", "PERFORMANCE=0", "SOFTRENDER=FALSE"});
const std::string kWorlds =
    ConfigFixture::CrLf({"[WORLDS]", "FLATBLOCKS=FALSE", "FLATMENUS=FALSE", "FLATWORLD=FALSE",
                         "HUDSCOREBOARD=FALSE", "LINECLEARS=TRUE", "MEDIUMWORLD=FALSE",
                         "MUSIC=TRUE", "PRELOADQVSSOUNDS=TRUE", "RIPPLE=TRUE", "SOUND=TRUE"});

// The four default PLAYER chapters, each with `before` and `after` around it.
std::string PlayerBlocks(const std::string& before, const std::string& after) {
  static const char* const kKeys[] = {"CANCEL",   "DOWN",  "GUID",       "HARDDROP",    "HOLD",
                                      "LEFT",     "RIGHT", "ROTATELEFT", "ROTATERIGHT", "SELECT",
                                      "SOFTDROP", "START", "UP"};
  static const int kCodes[2][13] = {{10, 40, 0, 32, 16, 37, 39, 17, 38, 13, 40, 112, 38},
                                    {123, 101, 0, 96, 97, 100, 102, 103, 104, 22, 101, 106, 104}};
  std::string text;
  for (int player = 0; player < 4; ++player) {
    text += before + "[PLAYER0" + std::to_string(player + 1) + "]\r\n";
    for (int key = 0; key < 13; ++key) {
      text += std::string(kKeys[key]) + "=" +
              (key == 2 ? "2757121064:14699:9527:27:93:56:24:54:11:170:221"
                        : std::to_string(player < 2 ? kCodes[player][key] : 0)) +
              "\r\n";
    }
    text += after;
  }
  return text;
}

}  // namespace

// Reset brings back every default, and the process-wide pointer follows the instance.
TEST_F(SettingsFixture, ResetAndInstance) {
  EXPECT_EQ(GameSettings::s_instance, m_settings.get());
  m_settings->m_first_repeat_delay = 9.0f;
  m_settings->m_players[2].m_device = Guid{};
  m_settings->m_performance = static_cast<QualityLevel>(3);
  m_settings->Reset();
  EXPECT_EQ(m_settings->m_first_repeat_delay, 1.5f);
  EXPECT_EQ(m_settings->m_players[2], kDefaultPlayerControls[2]);
  EXPECT_EQ(m_settings->m_performance, QualityLevel::High);
  m_settings.reset();
  EXPECT_EQ(GameSettings::s_instance, nullptr);
}

// A file with only SYSTEM/PERFORMANCE warns once for each of the other 83 keys.
TEST_F(SettingsFixture, LoadOnlyPerformance) {
  WriteSettingsFile(CrLf({"[SYSTEM]", "PERFORMANCE=1"}));
  EXPECT_EQ(m_settings->Load(kAssetQVConfig_INI, nullptr), ErrorCode(0));
  EXPECT_EQ(m_settings->m_performance, QualityLevel::Medium);
  EXPECT_EQ(CountLog("config warning: guid value "), 4);
  EXPECT_EQ(CountLog("config warning"), 83);
  EXPECT_EQ(CountLog("config warning: value PLAYER03:RIGHT not found\n"), 1);
  EXPECT_EQ(CountLog("config warning: value MINOS:LODBody1 not found\n"), 1);
  EXPECT_EQ(m_settings->m_players[0], kDefaultPlayerControls[0]);
  EXPECT_EQ(CountLog("Using the following config:\n"), 1);
  EXPECT_EQ(CountLog("*PERFORMANCE* = *1*\n"), 1);  // the dump of what was read
}

// Every kind of field is read, in any case, RIGHT and LEFT each into their own field.
TEST_F(SettingsFixture, LoadReadsEveryKind) {
  WriteSettingsFile(
      CrLf({"[game]", "NextStyle=2", "FIRSTREPEATDELAY=0.25", "wireframe=true", "[Minos]",
            "lodbody1=2.5", "mooddebug=TRUE", "SHADOWSIZE=3", "[PLAYER02]", "RIGHT=5", "LEFT=6",
            "GUID=1:2:3:4:5:6:7:8:9:10:11", "[SYSTEM]", "PERFORMANCE=-1", "MOVIES=FALSE"}));
  EXPECT_EQ(m_settings->Load(kAssetQVConfig_INI, nullptr), ErrorCode(0));
  const GameSettings& got = *m_settings;
  EXPECT_EQ(std::tuple(got.m_next_style, got.m_first_repeat_delay, got.m_wireframe, got.m_lod_body1,
                       got.m_mood_debug, got.m_shadow_size, got.m_movies),
            std::tuple(2, 0.25f, true, 2.5f, true, 3, false));
  EXPECT_EQ(std::tuple(got.m_players[1][GameAction::RIGHT], got.m_players[1][GameAction::LEFT]),
            std::tuple(5, 6));
  EXPECT_EQ(got.m_players[1].m_device, (Guid{1, 2, 3, {4, 5, 6, 7, 8, 9, 10, 11}}));
  EXPECT_FALSE(IsChosen(m_settings->m_performance));
}

// No old file, then a second and a third save: the three layouts of the writer.
TEST_F(SettingsFixture, SaveLayouts) {
  m_settings->m_line_clears = true;  // the High preset's fields that differ from the defaults
  m_settings->m_shadow_size = 6;
  m_settings->m_performance = QualityLevel::High;
  EXPECT_EQ(m_settings->Save(kAssetQVConfig_INI, nullptr), ErrorCode(0));
  EXPECT_EQ(ReadSettingsFile(),
            "\r\n" + kMinos + PlayerBlocks("\r\n", "") + "\r\n" + kSystem + "\r\n" + kWorlds);

  EXPECT_EQ(m_settings->Save(kAssetQVConfig_INI, nullptr), ErrorCode(0));
  const std::string second = ReadSettingsFile();
  EXPECT_EQ(second,
            kMinos + "\r\n" + PlayerBlocks("", "\r\n") + kSystem + "\r\n" + kWorlds + "\r\n");
  EXPECT_EQ(m_settings->Save(kAssetQVConfig_INI, nullptr), ErrorCode(0));
  EXPECT_EQ(ReadSettingsFile(), second);
  EXPECT_TRUE(Boxes().empty());
}

// Unknown chapters, comments, GAME and MoodDebug survive; owned keys are replaced.
TEST_F(SettingsFixture, SaveMergesIntoTheOldFile) {
  WriteSettingsFile(CrLf({"! made by hand", "[CUSTOM]", "zeta=1", "alpha = two words", "[GAME]",
                          "RIBBON=TRUE", "! between keys", "NEXTSTYLE=4", "[MINOS]", "lodbody1=7",
                          "mooddebug=TRUE", "[SYSTEM]", "PERFORMANCE=2"}));
  ASSERT_EQ(m_settings->Load(kAssetQVConfig_INI, nullptr), ErrorCode(0));
  EXPECT_TRUE(m_settings->m_mood_debug);
  EXPECT_EQ(m_settings->m_performance, QualityLevel::Low);
  m_settings->m_lod_body1 = 0.0f;
  m_settings->m_players[1][GameAction::HARDDROP] = 65;
  EXPECT_EQ(m_settings->Save(kAssetQVConfig_INI, nullptr), ErrorCode(0));

  const std::string saved = ReadSettingsFile();
  const std::string head = CrLf(
      {"! made by hand", "[CUSTOM]", "ALPHA=two words", "ZETA=1", "", "[GAME]", "NEXTSTYLE=4",
       "RIBBON=TRUE", "", "! between keys", "[MINOS]", "BACKGROUNDMINOS=TRUE", "LODACC1=1000.000000",
       "LODBODY1=0.000000", "LODBODY2=1001.000000", "LODBODY3=1002.000000", "LODEYE1=1000.000000",
       "LODEYE2=1002.000000", "MOODDEBUG=TRUE", "PERSONAL=TRUE", "SHADOW=TRUE", "SHADOWSIZE=5", "",
       "[SYSTEM]", "DEBUGKEYS=FALSE", "MOVIES=TRUE", "PERFORMANCE=2", "SOFTRENDER=FALSE", ""});
  EXPECT_EQ(saved.substr(0, head.size()), head);
  const std::string rest = saved.substr(std::min(head.size(), saved.size()));
  EXPECT_EQ(rest.rfind("\r\n[PLAYER01]\r\n", 0), 0u);
  EXPECT_NE(rest.find("HARDDROP=65\r\n"), std::string::npos);
  EXPECT_LT(rest.find("[PLAYER04]"), rest.find("[WORLDS]"));
  EXPECT_EQ(rest.find("[GAME]"), std::string::npos);

  // A second save reads the first one's output and keeps it all.
  EXPECT_EQ(m_settings->Save(kAssetQVConfig_INI, nullptr), ErrorCode(0));
  EXPECT_EQ(ReadSettingsFile().substr(0, head.size()), head);
}

// No file, then a folder at the settings path: Load leaves the record, Save fails without a
// crash or more than one box, and the folder is kept.
TEST_F(SettingsFixture, NoFileOrAFolderAtTheSettingsPath) {
  m_settings->m_shadow_size = 42;
  EXPECT_EQ(m_settings->Load(kAssetQVConfig_INI, nullptr), ErrorCode(0x30010010));
  EXPECT_EQ(CountLog("Using the following config"), 0);
  EXPECT_TRUE(Boxes().empty());

  std::filesystem::create_directories(std::string(kSettingsPath) + "/inside");
  m_settings->Load(kAssetQVConfig_INI, nullptr);
  EXPECT_EQ(m_settings->m_shadow_size, 42);
  EXPECT_NE(m_settings->Save(kAssetQVConfig_INI, nullptr), ErrorCode(0));
  EXPECT_LE(Boxes().size(), 1u);
  EXPECT_TRUE(std::filesystem::is_directory(std::string(kSettingsPath) + "/inside"));
}

// A file that cannot be created: soft errors up to Open, then one box from Write.
TEST_F(SettingsFixture, SaveWhereNothingCanBeWritten) {
  // The MISC folder is a file, so neither the folder nor the settings file can be made.
  WriteBytes("Assets/PC/ANY_LANG/MISC", "not a folder");
  EXPECT_EQ(m_settings->Save(kAssetQVConfig_INI, nullptr), ErrorCode(0x30010013));
  EXPECT_GE(CountLog("### SOFT ERR: Unable to write to file "), 1);
  // PrepareFile found no file to name the handle after, so the box names none.
  ASSERT_EQ(Boxes().size(), 1u);
  EXPECT_EQ(Boxes()[0].rfind("Error: Unable to write to file", 0), 0u);
}

// A German process locale changes neither what a save writes nor what a load reads.
TEST_F(SettingsFixture, NumbersIgnoreTheProcessLocale) {
  const std::string saved_locale = std::setlocale(LC_ALL, nullptr);
  ASSERT_NE(std::setlocale(LC_ALL, "de_DE.UTF-8"), nullptr) << "needs the package locales-all";
  WriteSettingsFile(CrLf({"[GAME]", "FIRSTREPEATDELAY=1.5", "[MINOS]", "LODEYE2=2,5"}));
  const ErrorCode loaded = m_settings->Load(kAssetQVConfig_INI, nullptr);
  m_settings->m_lod_body2 = 0.25f;
  const ErrorCode stored = m_settings->Save(kAssetQVConfig_INI, nullptr);
  std::setlocale(LC_ALL, saved_locale.c_str());

  EXPECT_EQ(loaded, ErrorCode(0));
  EXPECT_EQ(stored, ErrorCode(0));
  EXPECT_EQ(m_settings->m_first_repeat_delay, 1.5f);
  EXPECT_EQ(m_settings->m_lod_eye2, 2.0f);
  const std::string text = ReadSettingsFile();
  for (const char* line :
       {"LODBODY1=1000.000000", "LODBODY2=0.250000", "LODEYE2=2.000000", "FIRSTREPEATDELAY=1.5"}) {
    EXPECT_NE(text.find("\r\n" + std::string(line) + "\r\n"), std::string::npos) << line;
  }
}
