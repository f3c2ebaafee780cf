#include <gtest/gtest.h>

#include <array>
#include <cstdlib>
#include <filesystem>
#include <iostream>
#include <map>
#include <optional>
#include <sstream>
#include <string>
#include <vector>

#include "assets/AssetRegistry.h"
#include "engine/DeviceManager.h"
#include "settings/GameSettings.h"
#include "support/RecordingFileSystem.h"
#include "platform/Installed.h"
#include "support/LogCapture.h"
#include "support/TempDirectory.h"

namespace {

using Operation = RecordingFileSystem::Operation;
using Fault = RecordingFileSystem::Fault;

constexpr const char* kPath = "Assets/PC/ANY_LANG/MISC/QVConfig.INI";
constexpr const char* kStoredPath = ".\\Assets\\PC\\ANY_LANG\\MISC\\QVConfig.INI";
constexpr const char* kWriteError = "Unable to write to file ";

// A hand-edited settings file of three buffers' worth, so that reading and
// writing it take several calls each.
std::string OldFile() {
  std::string text = "! kept by hand\r\n[CUSTOM]\r\n";
  for (int key = 0; key < 650; ++key) text += "KEY" + std::to_string(1000 + key) + "=value\r\n";
  return text +
         "\r\n[GAME]\r\nRIBBON=TRUE\r\n\r\n[MINOS]\r\nMOODDEBUG=TRUE\r\nSHADOW=TRUE\r\n\r\n"
         "[SYSTEM]\r\nPERFORMANCE=2\r\n\r\n";
}

// The engine's services as a new process of the tool has them, created in
// the main window's order. A hard error latches until the reporter is reset,
// which the capture does, so each run starts without one.
struct ToolProcess {
  LogCapture capture;
  DeviceManager devices;
  GameSettings settings;
};

// What the player changed before pressing OK, saved.
void SaveChanged(GameSettings& settings) {
  settings.m_performance = QualityLevel::Low;
  settings.m_shadow = false;
  settings.m_shadow_size = 2;
  settings.m_sound = false;
  settings.m_players[0][GameAction::UP] = 87;
  settings.Save(kAssetQVConfig_INI, nullptr);
}

std::optional<std::string> ReadIfThere(const std::string& path) {
  if (!std::filesystem::is_regular_file(path)) return std::nullopt;
  return TempDirectory::ReadFile(path);
}

// Every field a save writes, as a save into an empty folder writes it.
std::string StoredForm(GameSettings& settings) {
  TempDirectory scratch;
  settings.Save(kAssetQVConfig_INI, nullptr);
  return ReadIfThere(kPath).value_or("");
}

// The stored form and the fields that are only read.
std::string LoadedForm(GameSettings& settings) {
  std::ostringstream read_only;
  read_only << settings.m_super_easy << settings.m_ribbon << settings.m_endurance
            << settings.m_original_zarvex << settings.m_wireframe << settings.m_first_repeat_delay
            << ' ' << settings.m_next_style << settings.m_mood_debug;
  return StoredForm(settings) + read_only.str();
}

struct Scenario {
  const char* name;
  bool save;
  bool old_file;
};

// What one run of a scenario left behind.
struct Observed {
  bool fired = false;
  std::array<int, RecordingFileSystem::kFaultable.size()> calls{};
  std::optional<std::string> file;
  std::string record;  // a load's result
  int soft_errors = 0;
  std::vector<std::string> boxes;
  std::optional<std::string> later;  // after a later save with nothing failing
  std::string later_record;          // that file as a new process loads it

  int Calls(Operation operation) const { return calls[static_cast<std::size_t>(operation)]; }
};

Observed RunScenario(const Scenario& scenario, std::optional<Fault> fault) {
  TempDirectory folder;
  if (scenario.old_file) TempDirectory::WriteFile(kPath, OldFile());
  Observed seen;
  {
    ToolProcess process;
    RecordingFileSystem files;
    files.fault = fault;
    {
      platform::Installed<platform::FileSystem> installed(files, &platform::SetFileSystem);
      if (scenario.save) {
        SaveChanged(process.settings);
      } else {
        process.settings.Load(kAssetQVConfig_INI, nullptr);
      }
    }
    seen.fired = files.Fired();
    for (std::size_t i = 0; i < seen.calls.size(); ++i)
      seen.calls[i] = files.Calls(RecordingFileSystem::kFaultable[i]);
    for (const std::string& message : process.capture.Messages())
      seen.soft_errors += message.starts_with("### SOFT ERR: ");
    for (const LogCapture::Box& box : process.capture.Boxes()) seen.boxes.push_back(box.text);
    seen.file = ReadIfThere(kPath);
    if (!scenario.save) seen.record = LoadedForm(process.settings);
  }
  if (scenario.save) {
    {
      ToolProcess process;
      SaveChanged(process.settings);
    }
    seen.later = ReadIfThere(kPath);
    ToolProcess process;
    process.settings.Load(kAssetQVConfig_INI, nullptr);
    seen.later_record = StoredForm(process.settings);
  }
  return seen;
}

// One cell of the matrix: what a case left, and whether that is allowed.
struct Verdict {
  std::string cell;
  std::string problem;  // empty when the case passed
};

std::string Reports(const Observed& seen) {
  std::string reports;
  if (seen.soft_errors > 0) reports += " S";
  if (!seen.boxes.empty()) reports += " H";
  return reports;
}

// Allowed after a save: the new file; or, with a hard error shown, the old
// file, the tool's keys alone (the old file could not be read), no file, or
// the new file as far as the failing write got.
Verdict JudgeSave(const Scenario& scenario, const Observed& seen, const Observed& reference,
                  const std::string& keys_only) {
  const std::string& complete = *reference.file;
  std::string state;
  if (!seen.file) {
    state = "none";
  } else if (*seen.file == complete) {
    state = "new";
  } else if (scenario.old_file && *seen.file == OldFile()) {
    state = "old";
  } else if (*seen.file == keys_only) {
    state = "keys";
  } else if (complete.starts_with(*seen.file)) {
    state = "cut@" + std::to_string(seen.file->size());
  } else {
    state = "CORRUPT";
  }
  Verdict verdict{state + Reports(seen), ""};
  if (state == "CORRUPT") {
    verdict.problem = "the file is neither old, new nor a part of new";
  } else if (state != "new" && seen.boxes.empty()) {
    verdict.problem = "the save did not complete and no hard error was shown";
  } else if (!seen.later || !seen.later->ends_with("\r\n") ||
             seen.later_record != reference.later_record) {
    verdict.problem = "a later save did not write the complete file";
  } else if ((state == "new" || state == "old") && *seen.later != *reference.later) {
    verdict.problem = "a later save wrote another file than without the fault";
  }
  return verdict;
}

// Allowed after a load: the file as it was and the record as read; or, with
// an error reported, the record not as read.
Verdict JudgeLoad(const Scenario& scenario, const Observed& seen, const Observed& reference) {
  const bool read = seen.record == reference.record;
  Verdict verdict{(read ? "read" : "unread") + Reports(seen), ""};
  if (seen.file != (scenario.old_file ? std::optional(OldFile()) : std::nullopt)) {
    verdict.problem = "the load changed the file";
  } else if (!read && seen.soft_errors == 0 && seen.boxes.empty()) {
    verdict.problem = "the record was not read and nothing was reported";
  }
  return verdict;
}

}  // namespace

// One settings save and one load, each with one file-system call failing, at
// every position where the fault-free run makes that call: nothing crashes,
// the file is never left corrupt or silently short, and the next save puts
// the complete file back. The sanitizer build checks every access.
TEST(SaveFaultTest, EveryCallFailingOnce) {
  const Scenario scenarios[] = {{"Save, old file present", true, true},
                                {"Save, no old file", true, false},
                                {"Load, file present", false, true},
                                {"Load, no file", false, false}};
  const std::string keys_only = *RunScenario({"", true, false}, std::nullopt).file;

  std::ostringstream matrix;
  std::vector<std::string> problems;
  std::map<std::string, int> hard_errors;
  int cases = 0;
  for (const Scenario& scenario : scenarios) {
    const Observed reference = RunScenario(scenario, std::nullopt);
    matrix << scenario.name << " (fault-free: "
           << (reference.file ? std::to_string(reference.file->size()) + " bytes" : "no file")
           << Reports(reference) << ")\n";
    if (!reference.boxes.empty() || (scenario.save && !reference.file)) {
      problems.push_back(std::string(scenario.name) + ": the fault-free run failed");
    }
    for (std::size_t op = 0; op < RecordingFileSystem::kFaultable.size(); ++op) {
      const Operation operation = RecordingFileSystem::kFaultable[op];
      matrix << "  " << RecordingFileSystem::Name(operation) << ":";
      const int positions = reference.Calls(operation);
      if (positions == 0) matrix << " (not called)";
      for (int call = 0; call < positions; ++call, ++cases) {
        const Observed seen = RunScenario(scenario, Fault{operation, call});
        Verdict verdict = scenario.save ? JudgeSave(scenario, seen, reference, keys_only)
                                        : JudgeLoad(scenario, seen, reference);
        if (!seen.fired) verdict.problem = "the fault never fired";
        // A failed sync fails the save: the file's own close, the last of a
        // save, shows the write error; the new empty file's, the one before
        // it, is logged.
        if (scenario.save && operation == Operation::kClose && call >= positions - 2 &&
            (call == positions - 1
                 ? seen.boxes != std::vector<std::string>{std::string(kWriteError) + kStoredPath}
                 : !seen.boxes.empty() || seen.soft_errors != 1)) {
          verdict.problem = "a failed sync was not reported as such";
        }
        for (const std::string& box : seen.boxes) {
          std::string text = box;
          if (const std::size_t at = text.find(kStoredPath); at != std::string::npos)
            text.replace(at, std::string(kStoredPath).size(), "QVConfig.INI");
          ++hard_errors[text];
        }
        matrix << " #" << call << "=" << verdict.cell << (verdict.problem.empty() ? "" : "!");
        if (!verdict.problem.empty()) {
          problems.push_back(std::string(scenario.name) + ", " +
                             RecordingFileSystem::Name(operation) + " #" + std::to_string(call) +
                             ": " + verdict.problem);
        }
      }
      matrix << "\n";
    }
  }
  matrix << "S: soft error logged; H: hard error shown; cut@N: the new file's first N bytes; "
            "keys: only the tool's own keys\nHard errors shown:\n";
  for (const auto& [text, count] : hard_errors) matrix << "  " << count << " x " << text << "\n";

  if (std::getenv("QV_PRINT_FAULT_MATRIX") != nullptr) std::cout << matrix.str();
  EXPECT_GE(cases, 50) << matrix.str();
  std::ostringstream listed;
  for (const std::string& problem : problems) listed << problem << "\n";
  EXPECT_TRUE(problems.empty()) << matrix.str() << listed.str();
}
