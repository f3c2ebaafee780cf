#include <gtest/gtest.h>

#include <cerrno>
#include <cstring>
#include <filesystem>
#include <fstream>

#include "MainWindowFixture.h"
#include "app/ConfigDialog.h"
#include "platform/GraphicsAdapter.h"
#include "platform/MessageBox.h"
#include "resources/ResourceIds.h"
#include "settings/GameSettings.h"
#include "ui/KeyMessage.h"
#include "ui/StringTable.h"

namespace {

using platform::kIdCancel;
using platform::kIdNo;
using platform::kIdOk;
using platform::kIdYes;
using namespace resources;

using ConfigDialogTest = MainWindowTest;

// With no settings file: High selected, the texts in place, and leaving
// without OK or Start Game writes no file (Escape and the close box are
// Cancel in every dialog).
TEST_F(ConfigDialogTest, FirstOpenWithoutFileWritesNothingOnCancel) {
  m_backend.In(kMainDialog).Run([&] {
    const test::WindowState& window = m_backend.Window(kMainDialog);
    EXPECT_EQ(window.title, "Zarvex Configuration");
    EXPECT_EQ(window.icon_id, kAppIcon);
    const test::ControlState& list = window.Control(kMainQualityList);
    EXPECT_EQ(list.ItemTexts(), (std::vector<std::string>{"High", "Medium", "Low"}));
    EXPECT_EQ(list.selection, 0);
    EXPECT_EQ(window.Control(kMainDescription).text, ui::LoadString(15));
    EXPECT_EQ(window.Control(kMainRecommendedName).text, "Medium");
    EXPECT_EQ(window.Control(kMainWelcome).text, ui::LoadString(14));
    EXPECT_EQ(window.Control(kMainDirectXLabel).text, ui::LoadString(10));
    std::string labels;  // the fixed texts, in this order
    for (int id :
         {kMainQualityLabel, kMainRecommendedLabel, kMainPlayer1Label + 3, kMainConfigure1 + 3,
          kIdOk, kIdCancel, kMainHelp, kMainStartGame, kMainResetAll}) {
      labels += window.Control(id).text + "|";
    }
    EXPECT_EQ(labels,
              "Quality|Recommended|Player 4:|Configure|OK|Cancel|Help|Start Game|Reset All|");
    EXPECT_EQ(window.focus, kIdOk);
    EXPECT_FALSE(ReadSettings().has_value());
  });
  // Changing the level and resetting is not saving either.
  m_backend.Select(kMainQualityList, 2).Click(kMainResetAll).AnswerMessageBox(kIdYes);
  m_backend.Click(kIdCancel);

  ConfigDialog dialog;
  EXPECT_EQ(dialog.DoModal(), kIdCancel);
  EXPECT_FALSE(ReadSettings().has_value());
  EXPECT_FALSE(std::filesystem::exists("Assets"));
}

// A stored level outside 0..2 is replaced by the recommended one, whose
// preset is saved before the player does anything.
TEST_F(ConfigDialogTest, UnchosenLevelRunsFirstRunDetection) {
  struct Case {
    const char* stored;
    std::optional<std::uint32_t> dev_caps;
    float mhz;
    int level;
  };
  const Case cases[] = {
      {"7", platform::kDevCapsHwTransformAndLight, 1000.0f, 0},
      {"3", platform::kDevCapsHwRasterization, 500.0f, 1},
      {"-1", std::nullopt, 1000.0f, 2},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.stored);
    SetHardware(c.dev_caps, c.mhz);
    TempDirectory::WriteFile(kSettingsPath,
                             std::string("[SYSTEM]\r\nPERFORMANCE=") + c.stored +
                                 "\r\n[MINOS]\r\nSHADOWSIZE=9\r\n[EXTRA]\r\nKEEP=1\r\n");
    const int recommended = c.level;
    m_backend.In(kMainDialog).Run([&] {
      EXPECT_EQ(SettingValue("PERFORMANCE"), std::to_string(recommended));
      EXPECT_EQ(SettingValue("SHADOWSIZE"), recommended == 0 ? "6" : "2");
      EXPECT_EQ(SettingValue("KEEP"), "1");
      const test::WindowState& window = m_backend.Window(kMainDialog);
      EXPECT_EQ(window.Control(kMainQualityList).selection, recommended);
      EXPECT_EQ(window.Control(kMainDescription).text, ui::LoadString(15 + recommended));
    });
    m_backend.Escape();
    ConfigDialog dialog;
    dialog.DoModal();
    EXPECT_EQ(dialog.GetQualityIndex(), recommended);
    delete GameSettings::s_instance;
  }
}

// OK stores the preset of the selected level whatever the file held; until
// then the description follows the list, the recommendation stays and the
// file is untouched.
TEST_F(ConfigDialogTest, OkSavesTheSelectedLevelsPreset) {
  TempDirectory::WriteFile(kSettingsPath,
                           "[SYSTEM]\r\nPERFORMANCE=1\r\n[MINOS]\r\nSHADOW=TRUE\r\n");
  SetHardware(std::nullopt, 1000.0f);
  m_backend.Select(kMainQualityList, 0).Run([&] {
    const test::WindowState& window = m_backend.Window(kMainDialog);
    EXPECT_EQ(window.Control(kMainDescription).text, ui::LoadString(15));
    EXPECT_EQ(window.Control(kMainRecommendedName).text, "Low");
    EXPECT_EQ(SettingValue("SHADOW"), "TRUE");
  });
  m_backend.Select(kMainQualityList, 1).Click(kIdOk);
  ConfigDialog dialog;
  EXPECT_EQ(dialog.DoModal(), kIdOk);
  EXPECT_EQ(SettingValue("PERFORMANCE"), "1");
  EXPECT_EQ(SettingValue("SHADOW"), "FALSE");
  EXPECT_EQ(SettingValue("MEDIUMWORLD"), "TRUE");
}

// Reset All asks first; No changes nothing, Yes resets in memory only.
TEST_F(ConfigDialogTest, ResetAllAsksAndSavesNothing) {
  TempDirectory::WriteFile(kSettingsPath, "[SYSTEM]\r\nPERFORMANCE=2\r\nMOVIES=FALSE\r\n");
  const std::string before = *ReadSettings();

  m_backend.Click(kMainResetAll).AnswerMessageBox(kIdNo).Run([&] {
    EXPECT_EQ(m_backend.Window(kMainDialog).Control(kMainQualityList).selection, 2);
    EXPECT_FALSE(GameSettings::s_instance->m_movies);
  });
  m_backend.Click(kMainResetAll).AnswerMessageBox(kIdYes).Run([&] {
    EXPECT_EQ(m_backend.Window(kMainDialog).Control(kMainQualityList).selection, 1);
    EXPECT_TRUE(GameSettings::s_instance->m_movies);
  });
  m_backend.Click(kIdCancel);
  ConfigDialog dialog;
  EXPECT_EQ(dialog.DoModal(), kIdCancel);

  ASSERT_EQ(m_backend.MessageBoxes().size(), 2u);
  for (const test::MessageBoxRecord& box : m_backend.MessageBoxes()) {
    EXPECT_EQ(box.text,
              "Are you sure that you want to reset every setting on each controller and keyboard?");
    EXPECT_EQ(box.caption, "Reset Confirmation");
    EXPECT_EQ(box.flags, platform::kMbYesNo | platform::kMbIconExclamation);
    EXPECT_EQ(box.owner_template_id, kMainDialog);
  }
  EXPECT_EQ(ReadSettings(), before);
}

// Start Game saves, then starts ./Zarvex.exe and closes; a failed start
// shows the system's message once and leaves the window open and the file
// saved, so a second try can succeed.
TEST_F(ConfigDialogTest, StartGameSavesThenStarts) {
  m_launcher.m_result = {ENOENT, std::strerror(ENOENT)};
  m_backend.Select(kMainQualityList, 1).Click(kMainStartGame).AnswerMessageBox(kIdOk).Run([&] {
    EXPECT_TRUE(m_backend.Window(kMainDialog).alive);
    EXPECT_EQ(SettingValue("PERFORMANCE"), "1");
    m_launcher.m_result = {};
  });
  m_backend.Select(kMainQualityList, 2).Click(kMainStartGame);
  ConfigDialog dialog;
  EXPECT_EQ(dialog.DoModal(), kIdOk);

  ASSERT_EQ(m_backend.MessageBoxes().size(), 1u);
  const test::MessageBoxRecord& box = m_backend.MessageBoxes()[0];
  EXPECT_EQ(box.text, std::strerror(ENOENT));
  EXPECT_EQ(box.caption, "Zarvex Error");
  EXPECT_EQ(box.flags, platform::kMbOk | platform::kMbIconStop);
  ASSERT_EQ(m_launcher.m_started, (std::vector<std::string>{"./Zarvex.exe", "./Zarvex.exe"}));
  // The file the game reads is complete before it starts.
  ASSERT_TRUE(m_launcher.m_settings_at_start[1].has_value());
  EXPECT_EQ(m_launcher.m_settings_at_start[1], ReadSettings());
  EXPECT_EQ(SettingValue("PERFORMANCE"), "2");
  EXPECT_EQ(SettingValue("FLATWORLD"), "TRUE");
}

// Help opens its own window over the main one; F1 does nothing. The banner
// fills its frame on each paint, minimised only the icon shows; the runtime
// status picks the icon and sentence (its table is tested apart).
TEST_F(ConfigDialogTest, HelpPaintingAndRuntimeStatus) {
  m_backend.PressKey(ui::kVkF1).Click(kMainHelp).In(kHelpDialog).Run([&] {
    const test::WindowState& help = m_backend.Window(kHelpDialog);
    EXPECT_EQ(help.owner_template_id, kMainDialog);
    EXPECT_EQ(help.Control(kHelpText).text, ui::LoadString(62) + ui::LoadString(64));
  });
  m_backend.In(kHelpDialog).Click(kIdOk);
  m_backend.In(kMainDialog).Paint().Paint(true).Paint().Escape();
  ConfigDialog dialog;
  dialog.DoModal();
  EXPECT_EQ(m_backend.Windows().size(), 2u);
  const test::WindowState& main = m_backend.Window(kMainDialog);
  EXPECT_EQ(main.paints, (std::vector<std::string>{"bitmap 141 on 1012", "icon 128 centred",
                                                   "bitmap 141 on 1012"}));
  EXPECT_TRUE(main.Control(kMainDirectXPresent).visible);
  EXPECT_FALSE(main.Control(kMainDirectXMissing).visible);
  EXPECT_EQ(main.Control(kMainDirectXText).text, ui::LoadString(1));
}

// A folder where the settings cannot be written: the engine reports it, at
// most one box, and OK still closes the window.
TEST_F(ConfigDialogTest, UnwritableFolderStillCloses) {
  // A file where the asset folder should be: no directory can be made below it.
  std::ofstream("Assets") << "not a folder";
  m_backend.Click(kIdOk).AnswerMessageBox(kIdOk);
  ConfigDialog dialog;
  EXPECT_EQ(dialog.DoModal(), kIdOk);
  EXPECT_LE(m_backend.MessageBoxes().size(), 1u);
  for (const test::MessageBoxRecord& box : m_backend.MessageBoxes()) {
    EXPECT_EQ(box.caption, "Error");
  }
  EXPECT_FALSE(ReadSettings().has_value());
}

}  // namespace
