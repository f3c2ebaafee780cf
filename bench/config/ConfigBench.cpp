// Reads and writes configuration files with ConfigFile (through a 4096-byte
// FileHandle, as the settings code does), inih (parse only: the speed of a
// parser that builds nothing) and SimpleIni (load and save), on the same
// bytes, and prints speeds, ratios, the growth with file size and the peak
// memory of each. Then times a whole GameSettings Load + Save of a real
// settings file.
//
//   bench_config            run everything
//   bench_config --peak WHO FILE   (internal) load FILE with WHO, print KB
#include <SimpleIni.h>
#include <ini.h>
#include <spawn.h>
#include <sys/wait.h>
#include <time.h>
#include <unistd.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <functional>
#include <iterator>
#include <memory>
#include <string>
#include <vector>

#include "assets/AssetRegistry.h"
#include "config/ConfigFile.h"
#include "engine/DeviceManager.h"
#include "engine/ErrorReporter.h"
#include "engine/FileHandle.h"
#include "engine/Log.h"
#include "engine/OpenMode.h"
#include "settings/GameSettings.h"

extern char** environ;

namespace fs = std::filesystem;

namespace {

constexpr uint32_t kBufferSize = 4096;

// Processor time of the process, not wall time: the machines this runs on
// are shared, and other work must not count against the code measured.
double CpuSeconds() {
  timespec now{};
  ::clock_gettime(CLOCK_PROCESS_CPUTIME_ID, &now);
  return static_cast<double>(now.tv_sec) + static_cast<double>(now.tv_nsec) * 1e-9;
}

// The best of at least `min_runs` runs that together take `min_total` seconds.
double Seconds(const std::function<void()>& work, int min_runs, double min_total) {
  double best = 1e30;
  double total = 0.0;
  for (int run = 0; run < min_runs || total < min_total; ++run) {
    const double start = CpuSeconds();
    work();
    const double took = CpuSeconds() - start;
    best = std::min(best, took);
    total += took;
  }
  return best;
}

std::string Slurp(const fs::path& path) {
  std::ifstream in(path, std::ios::binary);
  return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

void Spill(const fs::path& path, const std::string& bytes) {
  std::ofstream(path, std::ios::binary | std::ios::trunc) << bytes;
}

// Chapters of keys as the tool writes them: sorted, KEY=value, CR LF, an
// empty line after each chapter.
std::string MakeLargeFile(int chapters, int keys) {
  std::string text;
  text.reserve(static_cast<std::size_t>(chapters) * keys * 22);
  char line[64];
  for (int c = 0; c < chapters; ++c) {
    std::snprintf(line, sizeof line, "[CHAPTER%05d]\r\n", c);
    text += line;
    for (int k = 0; k < keys; ++k) {
      std::snprintf(line, sizeof line, "OPTION%02d=%010d\r\n", k, c * keys + k);
      text += line;
    }
    text += "\r\n";
  }
  return text;
}

void ReadOurs(const fs::path& path, ConfigFile& config) {
  FileHandle file(kBufferSize);
  file.SetFileName(path.string());
  file.Open(kOpenRead, 0, FileHandle::kNoLimit);
  config.Read(file);
  file.Close();
}

void WriteOurs(const fs::path& path, ConfigFile& config) {
  FileHandle file(kBufferSize);
  file.SetFileName(path.string());
  file.Open(kOpenWrite, 0, FileHandle::kNoLimit);
  config.Write(file);
  file.Close();
}

int IgnoreEntry(void*, const char*, const char*, const char*) {
  return 1;
}

struct Speeds {
  double ours_read = 0;
  double ours_write = 0;
  double inih_parse = 0;
  double simpleini_load = 0;
  double simpleini_save = 0;
};

// Keys held, so that a fast but failed read cannot pass for a result.
long CountKeys(const ConfigFile& config) {
  long keys = 0;
  ConfigFile::ChapterCursor chapter;
  String name;
  for (bool more = config.GetFirstChapter(chapter, name); more;
       more = config.GetNextChapter(chapter, name)) {
    ConfigFile::KeyCursor cursor;
    String key;
    String value;
    for (bool key_more = config.GetFirstKey(chapter, cursor, key, value); key_more;
         key_more = config.GetNextKey(chapter, cursor, key, value)) {
      ++keys;
    }
  }
  return keys;
}

Speeds Measure(const fs::path& file, const fs::path& out, int min_runs, double min_total) {
  Speeds s;
  s.ours_read = Seconds(
      [&] {
        ConfigFile config;
        ReadOurs(file, config);
      },
      min_runs, min_total);
  ConfigFile loaded;
  ReadOurs(file, loaded);
  std::printf("  (ConfigFile holds %ld keys)\n", CountKeys(loaded));
  s.ours_write = Seconds([&] { WriteOurs(out, loaded); }, min_runs, min_total);
  s.inih_parse =
      Seconds([&] { ini_parse(file.c_str(), IgnoreEntry, nullptr); }, min_runs, min_total);
  s.simpleini_load = Seconds(
      [&] {
        CSimpleIniA ini;
        ini.LoadFile(file.c_str());
      },
      min_runs, min_total);
  CSimpleIniA ini;
  ini.LoadFile(file.c_str());
  s.simpleini_save = Seconds([&] { ini.SaveFile(out.c_str(), false); }, min_runs, min_total);
  return s;
}

long StatusKb(const char* field) {
  std::ifstream status("/proc/self/status");
  std::string line;
  const std::size_t length = std::strlen(field);
  while (std::getline(status, line)) {
    if (line.compare(0, length, field) == 0) {
      return std::atol(line.c_str() + length + 1);
    }
  }
  return 0;
}

// Child side of the fresh-process measurements. "ours" and "simpleini" load
// the file and report how far the peak resident size rose above where it
// started, in KB. "cold" reads the 2 KB file once to warm the code up, then
// reports the processor time in microseconds of one Read of the file with a
// heap that has not held it before, which is how the tool reads its file.
int PeakChild(const std::string& who, const char* path) {
  if (who == "cold") {
    ConfigFile warm_up;
    ReadOurs("small.ini", warm_up);
    const double start = CpuSeconds();
    ConfigFile config;
    ReadOurs(path, config);
    std::printf("%ld\n", static_cast<long>((CpuSeconds() - start) * 1e6));
    return 0;
  }
  const long before = StatusKb("VmRSS");
  if (who == "ours") {
    ConfigFile config;
    ReadOurs(path, config);
    std::printf("%ld\n", StatusKb("VmHWM") - before);
  } else if (who == "simpleini") {
    CSimpleIniA ini;
    ini.LoadFile(path);
    std::printf("%ld\n", StatusKb("VmHWM") - before);
  }
  return 0;
}

long RunChild(const char* self, const char* who, const fs::path& file) {
  int pipe_ends[2];
  if (::pipe(pipe_ends) != 0) {
    return -1;
  }
  posix_spawn_file_actions_t actions;
  posix_spawn_file_actions_init(&actions);
  posix_spawn_file_actions_adddup2(&actions, pipe_ends[1], STDOUT_FILENO);
  posix_spawn_file_actions_addclose(&actions, pipe_ends[0]);
  const std::string path = file.string();
  char* args[] = {const_cast<char*>(self), const_cast<char*>("--peak"), const_cast<char*>(who),
                  const_cast<char*>(path.c_str()), nullptr};
  pid_t child = 0;
  const int spawned = posix_spawn(&child, self, &actions, nullptr, args, environ);
  posix_spawn_file_actions_destroy(&actions);
  ::close(pipe_ends[1]);
  char text[64] = {};
  const ssize_t got = spawned == 0 ? ::read(pipe_ends[0], text, sizeof text - 1) : -1;
  ::close(pipe_ends[0]);
  if (spawned == 0) {
    int status = 0;
    ::waitpid(child, &status, 0);
  }
  return got > 0 ? std::atol(text) : -1;
}

void PrintRow(const char* what, double bytes, double seconds) {
  std::printf("  %-28s %9.3f ms  %8.1f MB/s\n", what, seconds * 1e3, bytes / seconds / 1e6);
}

}  // namespace

int main(int argc, char** argv) {
  if (argc == 4 && std::strcmp(argv[1], "--peak") == 0) {
    return PeakChild(argv[2], argv[3]);
  }
  const fs::path self = fs::canonical("/proc/self/exe");
  std::string folder_pattern = (fs::temp_directory_path() / "qvbenchXXXXXX").string();
  if (::mkdtemp(folder_pattern.data()) == nullptr) {
    std::perror("mkdtemp");
    return 1;
  }
  const fs::path folder = folder_pattern;
  const fs::path previous = fs::current_path();
  fs::current_path(folder);

  // The services exist as they do in the tool, so logging costs what it costs there.
  ErrorReporter reporter;
  Log log;
  DeviceManager devices;
  GameSettings settings;

  // The realistic settings file: a save from the defaults, with a GAME
  // chapter and a comment as a player's file may hold them.
  settings.Save(kAssetQVConfig_INI, nullptr);
  const fs::path settings_path = "Assets/PC/ANY_LANG/MISC/QVConfig.INI";
  std::string small =
      "! Zarvex settings\r\n[GAME]\r\nENDURANCE=FALSE\r\nFIRSTREPEATDELAY=1.500000\r\n"
      "NEXTSTYLE=0\r\nORIGINALZARVEX=FALSE\r\nRIBBON=FALSE\r\nSUPEREASY=FALSE\r\n"
      "WIREFRAME=FALSE\r\n\r\n";
  small += Slurp(settings_path);
  Spill(settings_path, small);
  Spill("small.ini", small);
  Spill("medium.ini", MakeLargeFile(1000, 50));
  Spill("large.ini", MakeLargeFile(10000, 50));

  struct Case {
    const char* name;
    fs::path file;
    int min_runs;
    double min_total;
  };
  const Case cases[] = {{"2 KB settings file", "small.ini", 200, 0.3},
                        {"1 MB, 1,000 x 50 keys", "medium.ini", 5, 0.5},
                        {"10 MB, 10,000 x 50 keys", "large.ini", 5, 1.5}};
  Speeds results[3];
  for (int i = 0; i < 3; ++i) {
    const double bytes = static_cast<double>(fs::file_size(cases[i].file));
    std::printf("%s (%.0f bytes)\n", cases[i].name, bytes);
    results[i] = Measure(cases[i].file, "out.ini", cases[i].min_runs, cases[i].min_total);
    PrintRow("ConfigFile::Read", bytes, results[i].ours_read);
    PrintRow("ConfigFile::Write", bytes, results[i].ours_write);
    PrintRow("inih ini_parse (no store)", bytes, results[i].inih_parse);
    PrintRow("SimpleIni LoadFile", bytes, results[i].simpleini_load);
    PrintRow("SimpleIni SaveFile", bytes, results[i].simpleini_save);
  }

  const Speeds& large = results[2];
  const Speeds& medium = results[1];
  std::printf("\nRatios on the 10 MB file (above 1 is better for ConfigFile)\n");
  std::printf("  Read speed / SimpleIni LoadFile speed        %6.2f  (target >= 1)\n",
              large.simpleini_load / large.ours_read);
  std::printf("  Read speed / inih parse speed                %6.2f  (aim >= 0.33)\n",
              large.inih_parse / large.ours_read);
  std::printf("  SimpleIni load+save time / Read+Write time   %6.2f  (target >= 1)\n",
              (large.simpleini_load + large.simpleini_save) / (large.ours_read + large.ours_write));
  std::printf("\nGrowth from 1 MB to 10 MB (10x the bytes; target <= 12x the time)\n");
  std::printf("  ConfigFile::Read, warm heap           %5.2fx\n",
              large.ours_read / medium.ours_read);
  std::printf("  ConfigFile::Write                     %5.2fx\n",
              large.ours_write / medium.ours_write);
  std::printf("  inih, for comparison                  %5.2fx\n",
              large.inih_parse / medium.inih_parse);

  // The in-process figures above reuse a warm heap, which a 1 MB file fits
  // and a 10 MB file does not; a fresh process per Read compares like with
  // like. Best of five each.
  long cold[2] = {-1, -1};
  const char* const cold_files[2] = {"medium.ini", "large.ini"};
  for (int i = 0; i < 2; ++i) {
    for (int run = 0; run < 5; ++run) {
      const long took = RunChild(self.c_str(), "cold", folder / cold_files[i]);
      if (took > 0 && (cold[i] < 0 || took < cold[i])) {
        cold[i] = took;
      }
    }
  }
  std::printf("  ConfigFile::Read in a fresh process  %.2f ms -> %.2f ms: %5.2fx\n", cold[0] / 1e3,
              cold[1] / 1e3, cold[0] > 0 ? static_cast<double>(cold[1]) / cold[0] : 0.0);

  const long ours_kb = RunChild(self.c_str(), "ours", folder / "large.ini");
  const long simpleini_kb = RunChild(self.c_str(), "simpleini", folder / "large.ini");
  std::printf("\nPeak memory holding the 10 MB file (rise of the peak resident size)\n");
  std::printf(
      "  ConfigFile  %7.1f MB\n  SimpleIni   %7.1f MB\n  ratio       %7.2f  (target <= 1)\n",
      ours_kb / 1024.0, simpleini_kb / 1024.0,
      simpleini_kb > 0 ? static_cast<double>(ours_kb) / simpleini_kb : 0.0);

  const double load_save = Seconds(
      [&] {
        settings.Load(kAssetQVConfig_INI, nullptr);
        settings.Save(kAssetQVConfig_INI, nullptr);
      },
      200, 0.5);
  std::printf(
      "\nGameSettings Load + Save of the %zu-byte settings file: %.1f us  (target < 500 us)\n",
      small.size(), load_save * 1e6);

  fs::current_path(previous);
  std::error_code ignored;
  fs::remove_all(folder, ignored);
  return 0;
}
