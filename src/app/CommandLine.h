#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

class CommandLineOutput;

// What the tool is asked to do from its command line, `qvconfig [GAME_FOLDER]`
// with --help and --version: run in the game folder it names (else in the
// current folder, or the program's own), show a text and end, or end with an
// error.
class CommandLine {
 public:
  enum class Action { kRun, kShowHelp, kShowVersion, kFail };

  // Reads the arguments that follow the program's name.
  explicit CommandLine(const std::vector<std::string>& arguments);

  Action GetAction() const { return m_action; }
  // The game folder named, if one was.
  const std::optional<std::string>& GameFolder() const { return m_folder; }

  // Before the tool starts: answers --help or --version, or reports what is
  // wrong with the command line, through `output`, and returns the status to
  // end the process with. Otherwise enters the game folder and returns
  // nothing: the tool is to run, in the current folder. A folder that cannot
  // be entered is reported as an error.
  //
  // With no folder named the tool works in the current folder, unless that
  // holds no Zarvex.exe and `program_folder`, the program's own
  // (platform::ProgramFolder()), does: a shortcut without a start folder, or
  // a start from a search result, runs the tool beside its game but
  // elsewhere. Zarvex.exe is found in any letter case.
  std::optional<int> AnswerOrEnterGameFolder(std::string_view version,
                                             const std::optional<std::string>& program_folder,
                                             CommandLineOutput& output) const;

 private:
  Action m_action = Action::kRun;
  std::optional<std::string> m_folder;
  std::string m_error;
};
