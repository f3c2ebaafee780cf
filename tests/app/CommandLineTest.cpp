#include "app/CommandLine.h"

#include <gtest/gtest.h>

#include <optional>
#include <string>
#include <vector>

namespace {

using Action = CommandLine::Action;

// What each argument list asks for: the first option that ends the start
// decides, "--" ends the options, and one folder at most.
TEST(CommandLine, ReadsTheArguments) {
  struct Case {
    std::vector<std::string> arguments;
    Action action;
    std::optional<std::string> folder;
  };
  const Case cases[] = {
      {{}, Action::kRun, std::nullopt},
      {{"games/Zarvex"}, Action::kRun, "games/Zarvex"},
      {{""}, Action::kRun, ""},
      {{"--", "-odd name"}, Action::kRun, "-odd name"},
      {{"--", "--"}, Action::kRun, "--"},
      {{"--help"}, Action::kShowHelp, std::nullopt},
      {{"folder", "-h", "--bogus"}, Action::kShowHelp, "folder"},
      {{"--version", "--help"}, Action::kShowVersion, std::nullopt},
      {{"--bogus", "--help"}, Action::kFail, std::nullopt},
      {{"-"}, Action::kFail, std::nullopt},
      {{"--help=1"}, Action::kFail, std::nullopt},
      {{"one", "two"}, Action::kFail, "one"},
      {{"--", "--help"}, Action::kRun, "--help"},
  };
  for (const Case& c : cases) {
    const CommandLine command_line(c.arguments);
    const std::string shown = ::testing::PrintToString(c.arguments);
    EXPECT_EQ(command_line.GetAction(), c.action) << shown;
    EXPECT_EQ(command_line.GameFolder(), c.folder) << shown;
  }
}

}  // namespace
