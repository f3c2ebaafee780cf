#include <gtest/gtest.h>
#include <windows.h>

#include <cstdio>
#include <string>

#include "app/MainWindowFixture.h"
#include "app/MessageBoxOutput.h"
#include "app/StartUp.h"
#include "resources/ResourceIds.h"
#include "support/CodePageText.h"
#include "support/FakeSingleInstance.h"

namespace {

using NonAsciiGameFolderTest = MainWindowTest;

// A game folder whose name goes beyond ASCII in the system's code page is
// entered from the command line as the program's start gets it, and the
// settings are saved there before the game is started from there.
TEST_F(NonAsciiGameFolderTest, StartGameInLatin1Folder) {
  const std::optional<std::string> name = test::NonAsciiFolderName();
  if (!name) GTEST_SKIP() << "the system's code page cannot spell the folder's name";
  ASSERT_TRUE(::CreateDirectoryA(name->c_str(), nullptr));
  const std::string folder = test::CurrentFolder() + "\\" + *name;
  FakeSingleInstance instance;
  platform::Installed installed_instance(instance, &platform::SetSingleInstance);
  std::string started_in;
  m_launcher.on_start = [&, record = m_launcher.on_start] {
    record();
    started_in = test::CurrentFolder();
  };
  m_backend.In(resources::kMainDialog).Click(resources::kMainStartGame);

  MessageBoxOutput output;
  EXPECT_EQ(StartUp({folder}, "1", output, [](const std::function<void()>& run) { run(); }), 0);
  EXPECT_TRUE(m_backend.MessageBoxes().empty());
  EXPECT_EQ(started_in, folder);
  ASSERT_EQ(m_settings_at_start.size(), 1u);
  EXPECT_TRUE(m_settings_at_start[0]);
  FILE* settings = std::fopen((folder + "\\" + kSettingsPath).c_str(), "rb");
  EXPECT_NE(settings, nullptr);
  if (settings != nullptr) std::fclose(settings);
}

}  // namespace
