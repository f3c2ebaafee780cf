#include "app/CommandLine.h"

#include "app/CommandLineOutput.h"
#include "app/ConfigDialog.h"
#include "platform/FileSystem.h"
#include "platform/ProcessFolders.h"

namespace {

constexpr int kUsageStatus = 2;

constexpr const char* kUsage = "Usage: qvconfig [--help] [--version] [GAME_FOLDER]\n";

constexpr const char* kHelp =
    "Usage: qvconfig [GAME_FOLDER]\n"
    "Sets up Zarvex: the video quality, and the controller and keys of each player.\n"
    "\n"
    "The tool works in GAME_FOLDER, the folder that holds Zarvex.exe, or in the\n"
    "current folder when none is given (in its own folder instead when that holds\n"
    "Zarvex.exe and the current one does not). It keeps the settings in\n"
    "Assets/PC/ANY_LANG/MISC/QVConfig.INI there, and Start Game starts Zarvex.exe\n"
    "from there.\n"
    "\n"
    "Options:\n"
    "  -h, --help     show this text and end\n"
    "      --version  show the version and end\n"
    "      --         take what follows as the game folder, even if it begins with -\n";

std::string Quoted(const std::string& text) {
  return "'" + text + "'";
}

// The program's own folder when it holds the game and the current one does
// not; nothing for the current folder.
std::optional<std::string> OwnFolderInstead(const std::optional<std::string>& program_folder) {
  platform::FileSystem& files = platform::GetFileSystem();
  if (!program_folder || files.Exists(ConfigDialog::kGameProgram)) return std::nullopt;
  // The program the tool starts, "./Zarvex.exe", from the program's folder.
  if (!files.Exists(*program_folder + "/" + ConfigDialog::kGameProgram)) return std::nullopt;
  return program_folder;
}

// Makes `folder` the current folder; the message when it cannot. Through the
// platform: the folder is the user's text in the system's code page, which
// the C++ library's paths on Windows do not read in that code page.
std::optional<std::string> EnterGameFolder(const std::string& folder) {
  switch (platform::GetPathKind(folder)) {
    case platform::PathKind::kMissing:
      return "qvconfig: the game folder " + Quoted(folder) + " does not exist\n";
    case platform::PathKind::kOther:
      return "qvconfig: " + Quoted(folder) + " is not a folder\n";
    case platform::PathKind::kFolder:
    case platform::PathKind::kUnknown:
      break;
  }
  if (const std::optional<platform::SystemError> failed = platform::EnterFolder(folder)) {
    return "qvconfig: cannot enter the game folder " + Quoted(folder) + ": " + failed->text + "\n";
  }
  return std::nullopt;
}

}  // namespace

CommandLine::CommandLine(const std::vector<std::string>& arguments) {
  bool options_end = false;
  for (const std::string& argument : arguments) {
    if (!options_end && argument.starts_with("-")) {
      if (argument == "--") {
        options_end = true;
      } else if (argument == "--help" || argument == "-h") {
        m_action = Action::kShowHelp;
        return;
      } else if (argument == "--version") {
        m_action = Action::kShowVersion;
        return;
      } else {
        m_action = Action::kFail;
        m_error = "qvconfig: unknown option " + Quoted(argument) + "\n" + kUsage;
        return;
      }
    } else if (m_folder) {
      m_action = Action::kFail;
      m_error = "qvconfig: one game folder at most, but " + Quoted(argument) + " follows " +
                Quoted(*m_folder) + "\n" + kUsage;
      return;
    } else {
      m_folder = argument;
    }
  }
}

std::optional<int> CommandLine::AnswerOrEnterGameFolder(
    std::string_view version, const std::optional<std::string>& program_folder,
    CommandLineOutput& output) const {
  switch (m_action) {
    case Action::kShowHelp:
      output.Answer(kHelp);
      return 0;
    case Action::kShowVersion:
      output.Answer("qvconfig " + std::string(version) + "\n");
      return 0;
    case Action::kFail:
      output.Error(m_error);
      return kUsageStatus;
    case Action::kRun:
      break;
  }
  const std::optional<std::string> folder = m_folder ? m_folder : OwnFolderInstead(program_folder);
  if (!folder) return std::nullopt;
  if (const std::optional<std::string> failed = EnterGameFolder(*folder)) {
    output.Error(*failed);
    return kUsageStatus;
  }
  return std::nullopt;
}
