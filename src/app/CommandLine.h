#pragma once

#include <iosfwd>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

// What the tool is asked to do from its command line, `qvconfig [GAME_FOLDER]`
// with --help and --version: run in the game folder it names (else in the
// current folder), print a text and end, or end with an error.
class CommandLine {
 public:
  enum class Action { kRun, kShowHelp, kShowVersion, kFail };

  // Reads the arguments that follow the program's name.
  explicit CommandLine(const std::vector<std::string>& arguments);

  Action GetAction() const { return m_action; }
  // The game folder named, if one was.
  const std::optional<std::string>& GameFolder() const { return m_folder; }

  // Does what was asked before the tool starts: prints the help or the
  // version to `out`, an error to `errors`, or enters the game folder. The
  // status to end the process with when the tool is not to run; nothing when
  // it is to run, in the game folder.
  std::optional<int> Follow(std::string_view version, std::ostream& out,
                            std::ostream& errors) const;

 private:
  // Makes the game folder the current folder; the message when it cannot.
  std::optional<std::string> EnterGameFolder() const;

  Action m_action = Action::kRun;
  std::optional<std::string> m_folder;
  std::string m_error;
};
