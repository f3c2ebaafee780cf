#include "app/CommandLine.h"

#include <filesystem>
#include <ostream>
#include <system_error>

namespace {

constexpr int kUsageStatus = 2;

constexpr const char* kUsage = "Usage: qvconfig [--help] [--version] [GAME_FOLDER]\n";

constexpr const char* kHelp =
    "Usage: qvconfig [GAME_FOLDER]\n"
    "Sets up Zarvex: the video quality, and the controller and keys of each player.\n"
    "\n"
    "The tool works in GAME_FOLDER, the folder that holds Zarvex.exe, or in the\n"
    "current folder when none is given. It keeps the settings in\n"
    "Assets/PC/ANY_LANG/MISC/QVConfig.INI there, and Start Game starts Zarvex.exe\n"
    "from there.\n"
    "\n"
    "Options:\n"
    "  -h, --help     print this text and end\n"
    "      --version  print the version and end\n"
    "      --         take what follows as the game folder, even if it begins with -\n";

std::string Quoted(const std::string& text) {
  return "'" + text + "'";
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

std::optional<int> CommandLine::Follow(std::string_view version, std::ostream& out,
                                       std::ostream& errors) const {
  switch (m_action) {
    case Action::kShowHelp:
      out << kHelp << std::flush;
      return 0;
    case Action::kShowVersion:
      out << "qvconfig " << version << "\n" << std::flush;
      return 0;
    case Action::kFail:
      errors << m_error << std::flush;
      return kUsageStatus;
    case Action::kRun:
      break;
  }
  if (const std::optional<std::string> failed = EnterGameFolder()) {
    errors << *failed << std::flush;
    return kUsageStatus;
  }
  return std::nullopt;
}

std::optional<std::string> CommandLine::EnterGameFolder() const {
  namespace fs = std::filesystem;
  if (!m_folder) return std::nullopt;
  std::error_code error;
  const fs::file_status status = fs::status(*m_folder, error);
  if (status.type() == fs::file_type::not_found) {
    return "qvconfig: the game folder " + Quoted(*m_folder) + " does not exist\n";
  }
  if (!error && status.type() != fs::file_type::directory) {
    return "qvconfig: " + Quoted(*m_folder) + " is not a folder\n";
  }
  fs::current_path(*m_folder, error);
  if (error) {
    return "qvconfig: cannot enter the game folder " + Quoted(*m_folder) + ": " + error.message() +
           "\n";
  }
  return std::nullopt;
}
