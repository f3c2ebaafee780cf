// Soak driver: runs the tool's main window on the scripted backend round after
// round, each round as a new run of the program (open the window, pick another
// quality level, OK), and checks the settings file after every save. Run by
// scripts/soak.sh, not by CTest.
//
//   qv_soak [rounds [max-growth-kib]]     exit 0 when every round passed
//
// With a maximum, the resident memory may grow by no more than that from the
// end of the first round to the last. (Under AddressSanitizer freed memory is
// held back for a while, so there it grows whatever the program does.)
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <string>

#include "app/ConfigApp.h"
#include "app/MainWindowFixture.h"
#include "resources/ResourceIds.h"
#include "support/FakeSingleInstance.h"

namespace {

// The window tests' game folder and fake machine, for the whole soak: no
// real probe in any round, and a launcher that starts nothing.
class SoakFolder final : public MainWindowTest {
  void TestBody() override {}
};

// Resident set size of this process in KiB, 0 when unknown.
long ResidentKib() {
  std::ifstream status("/proc/self/status");
  for (std::string line; std::getline(status, line);) {
    if (line.rfind("VmRSS:", 0) == 0) return std::strtol(line.c_str() + 6, nullptr, 10);
  }
  return 0;
}

// Whether every line is empty, a header or a key line, and ends with CR LF.
bool IsValid(const std::string& text) {
  if (!text.ends_with("\r\n")) return false;
  for (std::size_t start = 0, end = 0; start < text.size(); start = end + 2) {
    end = text.find("\r\n", start);
    const std::string line = text.substr(start, end - start);
    const bool header = line.size() >= 2 && line.front() == '[' && line.back() == ']';
    const std::size_t equals = line.find('=');
    if (line.find_first_of("\r\n") != std::string::npos) return false;
    if (!line.empty() && !header && (equals == 0 || equals == std::string::npos)) return false;
  }
  return true;
}

// One run of the program: the window opens, the player picks `level` and
// presses OK. Returns what went wrong, empty when nothing did.
std::string RunProgram(int level) {
  resources::GameResources resources;
  test::ScriptedBackend backend;
  FakeSingleInstance instance;
  platform::Installed installed_instance(instance, &platform::SetSingleInstance);
  backend.In(resources::kMainDialog)
      .Select(resources::kMainQualityList, level)
      .Click(platform::kIdOk);
  ConfigApp().InitInstance();
  EngineServices::ReleaseProcessServices();
  HardwareProbe::ForgetProcessState();
  if (backend.PendingActions() != 0) return "the window closed before the player was done";
  if (!backend.MessageBoxes().empty()) return "a message box: " + backend.MessageBoxes()[0].text;
  return "";
}

}  // namespace

int main(int argc, char** argv) {
  const long rounds = argc > 1 ? std::strtol(argv[1], nullptr, 10) : 10000;
  // Negative: no limit.
  const long max_growth_kib = argc > 2 ? std::strtol(argv[2], nullptr, 10) : -1;
  const SoakFolder game_folder;
  const long start_kib = ResidentKib();
  long warm_kib = 0;
  const auto started = std::chrono::steady_clock::now();
  for (long round = 0; round < rounds; ++round) {
    const int level = static_cast<int>((round + 1) % 3);
    std::string problem = RunProgram(level);
    const std::string text = MainWindowTest::ReadSettings().value_or("");
    const std::string performance = MainWindowTest::SettingValue("PERFORMANCE", "SYSTEM");
    if (problem.empty() && !IsValid(text)) problem = "the settings file is not valid";
    if (problem.empty() && performance != std::to_string(level)) {
      problem = "PERFORMANCE is " + performance + ", not " + std::to_string(level);
    }
    if (!problem.empty()) {
      std::printf("round %ld: %s\n--- settings file ---\n%s\n", round + 1, problem.c_str(),
                  text.c_str());
      return 1;
    }
    if (round == 0) warm_kib = ResidentKib();
    if ((round + 1) % 1000 == 0) {
      std::printf("  %ld rounds, resident %ld KiB\n", round + 1, ResidentKib());
      std::fflush(stdout);
    }
  }
  const double seconds =
      std::chrono::duration<double>(std::chrono::steady_clock::now() - started).count();
  std::printf("scripted rounds: %ld in %.1f s\n", rounds, seconds);
  const long end_kib = ResidentKib();
  std::printf("resident memory: start %ld KiB, after round 1 %ld KiB, end %ld KiB\n", start_kib,
              warm_kib, end_kib);
  std::printf("settings file valid in every round\n");
  if (max_growth_kib >= 0 && end_kib - warm_kib > max_growth_kib) {
    std::printf("resident memory grew by %ld KiB, more than %ld KiB\n", end_kib - warm_kib,
                max_growth_kib);
    return 1;
  }
  return 0;
}
