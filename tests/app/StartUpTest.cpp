#include "app/StartUp.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <optional>
#include <sstream>
#include <string>
#include <vector>

#include "app/CommandLine.h"
#include "app/ConsoleOutput.h"
#include "app/MessageBoxOutput.h"
#include "platform/Installed.h"
#include "resources/GameResources.h"
#include "resources/StringIds.h"
#include "support/FakeMessageBox.h"
#include "support/TempDirectory.h"
#include "ui/ResourceStrings.h"

namespace {

namespace fs = std::filesystem;

bool IsCurrentFolder(const std::string& folder) {
  return fs::equivalent(fs::current_path(), folder);
}

// A windowed start answers its command line in message boxes captioned with
// the main window's title: every mistake in a stop box with status 2, the
// help and the version in an information box with status 0; none of them
// starts the toolkit or leaves the current folder. (Every answer's text is
// the end-to-end command-line test's.)
TEST(StartUp, CommandLineAnswersInMessageBoxes) {
  TempDirectory directory;
  TempDirectory::WriteFile("Zarvex.exe", "");
  resources::GameResources resources;
  const std::string title = ui::LoadString(kStrWindowTitle);
  constexpr unsigned kStop = platform::kMbIconStop, kInformation = platform::kMbIconInformation;
  struct Case {
    std::vector<std::string> arguments;
    int status;
    unsigned icon;
    std::string text_start;
  };
  const Case cases[] = {
      {{"--bogus"}, 2, kStop, "qvconfig: unknown option '--bogus'\nUsage: qvconfig [--help]"},
      {{".", ".."}, 2, kStop, "qvconfig: one game folder at most, but '..' follows '.'\nUsage:"},
      {{"Zarvex.exe"}, 2, kStop, "qvconfig: 'Zarvex.exe' is not a folder"},
      {{"--version", "--bogus"}, 0, kInformation, "qvconfig 9.8.7"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.arguments[0]);
    FakeMessageBox box;
    platform::Installed installed(box, &platform::SetMessageBox);
    MessageBoxOutput output;
    bool toolkit_ran = false;
    EXPECT_EQ(StartUp(c.arguments, "9.8.7", output,
                      [&](const std::function<void()>&) { toolkit_ran = true; }),
              c.status);
    EXPECT_FALSE(toolkit_ran);
    ASSERT_EQ(box.boxes.size(), 1u);
    EXPECT_EQ(box.boxes[0].flags, platform::kMbOk | c.icon);
    EXPECT_EQ(box.boxes[0].caption, title);
    EXPECT_EQ(box.boxes[0].owner, nullptr);
    EXPECT_TRUE(box.boxes[0].text.starts_with(c.text_start)) << box.boxes[0].text;
    EXPECT_FALSE(box.boxes[0].text.ends_with("\n"));
    EXPECT_TRUE(IsCurrentFolder(directory.Path()));
  }
}

// With no folder named the tool goes to its own folder only when that holds
// the game and the current folder does not, the name in any letter case; a
// named folder always wins. Nothing is reported on the way.
TEST(CommandLine, OwnFolderWhenTheCurrentOneLacksTheGame) {
  TempDirectory directory;
  TempDirectory::WriteFile("own/ZARVEX.EXE", "");
  TempDirectory::WriteFile("beside/zarvex.exe", "");
  TempDirectory::WriteFile("bare/readme.txt", "");
  TempDirectory::WriteFile("elsewhere/readme.txt", "");
  const auto in = [&](const char* name) { return (fs::path(directory.Path()) / name).string(); };
  struct Case {
    const char* start_in;
    std::vector<std::string> arguments;
    std::optional<std::string> program_folder;
    const char* ends_in;
  };
  const Case cases[] = {
      {"elsewhere", {}, in("own"), "own"},
      {"beside", {}, in("own"), "beside"},
      {"elsewhere", {}, in("bare"), "elsewhere"},
      {"elsewhere", {}, std::nullopt, "elsewhere"},
      {"elsewhere", {in("bare")}, in("own"), "bare"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(std::string(c.start_in) + " -> " + c.ends_in);
    fs::current_path(in(c.start_in));
    std::ostringstream out, errors;
    ConsoleOutput output(out, errors);
    EXPECT_FALSE(CommandLine(c.arguments).AnswerOrEnterGameFolder("1", c.program_folder, output));
    EXPECT_TRUE(IsCurrentFolder(in(c.ends_in)));
    EXPECT_EQ(out.str() + errors.str(), "");
  }
}

}  // namespace
