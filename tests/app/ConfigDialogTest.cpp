#include <gtest/gtest.h>

#include <cerrno>
#include <cstring>

#include "MainWindowFixture.h"
#include "app/ConfigDialog.h"
#include "resources/ResourceIds.h"
#include "settings/GameAction.h"
#include "ui/KeyMessage.h"
#include "ui/ResourceStrings.h"

namespace {

using platform::kIdCancel;
using platform::kIdNo;
using platform::kIdOk;
using platform::kIdYes;
using namespace resources;

using ConfigDialogTest = MainWindowTest;

// With no settings file: High selected, the texts in place, and leaving
// without OK or Start Game writes no file.
TEST_F(ConfigDialogTest, FirstOpenWithoutFileWritesNothingOnCancel) {
  m_backend.In(kMainDialog).Run([&] {
    const test::WindowState& window = m_backend.Window(kMainDialog);
    EXPECT_EQ(window.title, "Zarvex Configuration");
    const test::ControlState& list = window.Control(kMainQualityList);
    ASSERT_EQ(list.items.size(), 3u);
    EXPECT_EQ(list.items[0].first + list.items[1].first + list.items[2].first, "HighMediumLow");
    EXPECT_EQ(list.selection, 0);
    EXPECT_EQ(window.Control(kMainDescription).text, ui::LoadString(15));
    EXPECT_EQ(window.Control(kMainRecommendedName).text, "Medium");
  });
  m_backend.Select(kMainQualityList, 2).Click(kIdCancel);

  ConfigDialog dialog;
  EXPECT_EQ(dialog.DoModal(), kIdCancel);
  EXPECT_FALSE(std::filesystem::exists("Assets"));
}

// A stored level outside 0..2 is replaced by the recommended one, whose
// preset is saved before the player does anything.
TEST_F(ConfigDialogTest, UnchosenLevelRunsFirstRunDetection) {
  // Stored value, hardware (caps, MHz) and the level it makes recommended.
  const std::optional<std::uint32_t> caps[] = {platform::kDevCapsHwTransformAndLight,
                                               platform::kDevCapsHwRasterization, std::nullopt};
  const float mhz[] = {1000.0f, 500.0f, 1000.0f};
  const char* stored[] = {"7", "3", "-1"};
  for (int level = 0; level < 3; ++level) {
    SCOPED_TRACE(stored[level]);
    SetHardware(caps[level], mhz[level]);
    TempDirectory::WriteFile(kSettingsPath,
                             std::string("[SYSTEM]\r\nPERFORMANCE=") + stored[level] +
                                 "\r\n[MINOS]\r\nSHADOWSIZE=9\r\n[EXTRA]\r\nKEEP=1\r\n");
    m_backend.In(kMainDialog).Run([&] {
      EXPECT_EQ(SettingValue("PERFORMANCE"), std::to_string(level));
      EXPECT_EQ(SettingValue("SHADOWSIZE"), level == 0 ? "6" : "2");
      EXPECT_EQ(SettingValue("KEEP"), "1");
      EXPECT_EQ(m_backend.Window(kMainDialog).Control(kMainQualityList).selection, level);
    });
    m_backend.Escape();
    ConfigDialog dialog;
    dialog.DoModal();
    EXPECT_EQ(dialog.GetQualityIndex(), level);
    EngineServices::ReleaseProcessServices();
  }
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
    EXPECT_TRUE(GameSettings::s_instance->m_movies);
  });
  m_backend.Click(kIdCancel);
  ConfigDialog dialog;
  EXPECT_EQ(dialog.DoModal(), kIdCancel);

  ASSERT_EQ(m_backend.MessageBoxes().size(), 2u);
  const test::MessageBoxRecord& box = m_backend.MessageBoxes()[1];
  EXPECT_EQ(box.text,
            "Are you sure that you want to reset every setting on each controller and keyboard?");
  EXPECT_EQ(box.caption, "Reset Confirmation");
  EXPECT_EQ(box.flags, platform::kMbYesNo | platform::kMbIconExclamation);
  EXPECT_EQ(ReadSettings(), before);
}

// Start Game saves, then starts ./Zarvex.exe and closes; a failed start
// shows the system's message once and leaves the window open and the file
// saved, so a second try can succeed.
TEST_F(ConfigDialogTest, StartGameSavesThenStarts) {
  m_launcher.error = platform::SystemError{ENOENT, std::strerror(ENOENT)};
  m_backend.Select(kMainQualityList, 1).Click(kMainStartGame).AnswerMessageBox(kIdOk).Run([&] {
    EXPECT_TRUE(m_backend.Window(kMainDialog).alive);
    EXPECT_EQ(SettingValue("PERFORMANCE"), "1");
    m_launcher.error = std::nullopt;
  });
  m_backend.Select(kMainQualityList, 2).Click(kMainStartGame);
  ConfigDialog dialog;
  EXPECT_EQ(dialog.DoModal(), kIdOk);

  ASSERT_EQ(m_backend.MessageBoxes().size(), 1u);
  const test::MessageBoxRecord& box = m_backend.MessageBoxes()[0];
  EXPECT_EQ(box.text, std::strerror(ENOENT));
  EXPECT_EQ(box.caption, "Zarvex Error");
  EXPECT_EQ(box.flags, platform::kMbOk | platform::kMbIconStop);
  ASSERT_EQ(m_launcher.started, (std::vector<std::string>{"./Zarvex.exe", "./Zarvex.exe"}));
  // The file the game reads is complete before it starts.
  EXPECT_EQ(m_settings_at_start[1], ReadSettings());
  EXPECT_EQ(SettingValue("PERFORMANCE"), "2");
  EXPECT_EQ(SettingValue("FLATWORLD"), "TRUE");
}

// Every refresh of the controls asks for the recommendation again, and each
// ask adds a result line to Recon.dat: three while the window opens (the
// first refresh, the one after loading, the description's), one per change
// of the list.
TEST_F(ConfigDialogTest, EveryRefreshReportsTheRecommendation) {
  m_backend.Select(kMainQualityList, 2).Select(kMainQualityList, 1).Click(kIdCancel);
  ConfigDialog dialog;
  dialog.DoModal();
  HardwareProbe::ForgetProcessState();  // closes Recon.dat, so every line is on disk
  const std::string report = TempDirectory::ReadFile("Recon.dat");
  int results = 0;
  for (std::size_t at = report.find("\nResult:"); at != std::string::npos;
       at = report.find("\nResult:", at + 1))
    ++results;
  EXPECT_EQ(results, 5);
}

// Help opens its own window over the main one; F1 does nothing. The banner
// fills its frame on each paint, minimised only the icon shows.
TEST_F(ConfigDialogTest, HelpAndPainting) {
  m_backend.PressKey(ui::kVkF1).Click(kMainHelp).In(kHelpDialog).Run([&] {
    const test::WindowState& help = m_backend.Window(kHelpDialog);
    EXPECT_EQ(help.owner_template_id, kMainDialog);
    EXPECT_EQ(help.Control(kHelpText).text, ui::LoadString(62) + ui::LoadString(64));
  });
  m_backend.In(kHelpDialog).Click(kIdOk);
  m_backend.In(kMainDialog).Paint().Paint(true).Escape();
  ConfigDialog dialog;
  dialog.DoModal();
  EXPECT_EQ(m_backend.Window(kMainDialog).paints,
            (std::vector<std::string>{"bitmap 141 on 1012", "icon 128 centred"}));
}

// A Configure button edits its player's block in memory: the main window's
// OK saves the new codes and pad, its Cancel drops them; another player's
// unnamed code and malformed device are carried over. (A keyboard edit saved
// is the end-to-end test's, the edited player's unnamed codes the controller
// window's.)
TEST_F(ConfigDialogTest, ConfigureSavesThroughTheMainWindow) {
  m_pads.Plug("Pad", 0x01020304);
  TempDirectory::WriteFile(kSettingsPath,
                           "[SYSTEM]\r\nPERFORMANCE=0\r\n[PLAYER03]\r\nUP=-5\r\nGUID=1:2:x\r\n");
  const std::string before = *ReadSettings();
  for (const int main_window_end : {kIdCancel, kIdOk}) {
    m_backend.Click(kMainConfigure1 + 1)
        .In(kControllerDialog)
        .SelectText(kControllerDeviceList, "Pad");
    m_backend.SelectText(kControllerActionListBase + int(GameAction::HARDDROP), "Button 15");
    m_backend.Click(kIdOk).In(kMainDialog).Click(main_window_end);
    ConfigDialog dialog;
    dialog.DoModal();
    if (main_window_end == kIdCancel) {
      EXPECT_EQ(ReadSettings(), before);
    }
    EngineServices::ReleaseProcessServices();
  }
  EXPECT_EQ(SettingValue("HARDDROP", "PLAYER02"), "14");
  EXPECT_EQ(SettingValue("UP", "PLAYER02"), "15");
  EXPECT_EQ(SettingValue("GUID", "PLAYER02"), "16909060:0:0:0:0:0:0:0:0:0:0");
  EXPECT_EQ(SettingValue("UP", "PLAYER03"), "-5");
  EXPECT_EQ(SettingValue("GUID", "PLAYER03"), "1:2:0:0:0:0:0:0:0:0:0");
}

}  // namespace
