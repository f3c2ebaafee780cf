#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "MainWindowFixture.h"
#include "app/ConfigDialog.h"
#include "resources/ResourceIds.h"

namespace {

using namespace resources;
using Names = std::vector<std::string>;

using GameFolderCaseTest = MainWindowTest;

// A game folder copied from a disk that ignores letter case: the settings
// file in folders spelled otherwise is loaded, OK saves into that same file,
// and the report goes to the Recon.dat already there; no second Assets tree
// or report appears beside them.
TEST_F(GameFolderCaseTest, SettingsInAnotherCaseAreLoadedAndSavedInPlace) {
  const std::string on_disk = "ASSETS/PC/ANY_LANG/MISC/QVCONFIG.INI";
  TempDirectory::WriteFile(on_disk, "[SYSTEM]\r\nPERFORMANCE=2\r\n[EXTRA]\r\nKEEP=1\r\n");
  TempDirectory::WriteFile("RECON.DAT", "");
  m_backend.Run(
      [&] { EXPECT_EQ(m_backend.Window(kMainDialog).Control(kMainQualityList).selection, 2); });
  m_backend.Select(kMainQualityList, 0).Click(platform::kIdOk);
  ConfigDialog dialog;
  EXPECT_EQ(dialog.DoModal(), platform::kIdOk);
  HardwareProbe::ForgetProcessState();  // closes the report

  const std::string saved = TempDirectory::ReadFile(on_disk);
  EXPECT_NE(saved.find("PERFORMANCE=0\r\n"), std::string::npos) << saved;
  EXPECT_NE(saved.find("[EXTRA]\r\nKEEP=1\r\n"), std::string::npos) << saved;
  EXPECT_EQ(TempDirectory::Entries("."), (Names{"ASSETS", "RECON.DAT"}));
  EXPECT_EQ(TempDirectory::Entries("ASSETS/PC/ANY_LANG/MISC"), Names{"QVCONFIG.INI"});
  EXPECT_NE(TempDirectory::ReadFile("RECON.DAT").find("Result:"), std::string::npos);
}

}  // namespace
