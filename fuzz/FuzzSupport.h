#pragma once

#include <cstdint>
#include <map>
#include <memory>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "engine/ErrorCode.h"
#include "platform/MessageBox.h"

class ConfigFile;
class ErrorReporter;
class Log;

class MemoryFileSystem;

// What the fuzz targets share: files in memory, the engine's log and error
// reporter with silent message boxes, whole-file helpers, a ConfigFile taken
// apart through its public walk, and a check that stops the run.

// Stops the run with the failed condition and where it is, so that libFuzzer
// keeps the input that broke it.
#define FUZZ_CHECK(condition) \
  ((condition) ? void() : FuzzCheckFailed(#condition, __FILE__, __LINE__))
[[noreturn]] void FuzzCheckFailed(const char* condition, const char* file, int line);

// The file system of the whole run, in memory and installed behind the seam
// on first use: a save costs no disk and no sync (the durable save has tests
// of its own).
MemoryFileSystem& MemoryFiles();

// The engine's log and error reporter for the whole run, with every message
// box answered OK without showing anything; message boxes are counted.
class EngineServices final : private platform::MessageBox {
 public:
  EngineServices();
  ~EngineServices();
  EngineServices(const EngineServices&) = delete;
  EngineServices& operator=(const EngineServices&) = delete;

  // Clears the latched error and the box count for the next input.
  void Reset();
  int Boxes() const { return m_boxes; }
  bool HasHardError() const;
  ErrorCode HardErrorCode() const;
  bool HasSoftError() const;

 private:
  // Hard errors' boxes are counted, not shown.
  int Show(platform::OwnerWindow* owner, std::string_view text, std::string_view caption,
           unsigned flags) override;

  platform::MessageBox* m_previous_box = nullptr;
  std::unique_ptr<ErrorReporter> m_reporter;
  std::unique_ptr<Log> m_log;
  int m_boxes = 0;
};

void WriteWholeFile(const std::string& path, std::string_view bytes);
std::string ReadWholeFile(const std::string& path);

// `config` read from the file at `path` through a handle of `buffer_size`
// bytes; its result.
ErrorCode ReadConfig(ConfigFile& config, const std::string& path, std::uint32_t buffer_size = 4096);
// `config` written to a new file at `path`; the file's bytes. Checks that the
// write succeeds.
std::string WriteConfig(ConfigFile& config, const std::string& path);

// Everything a ConfigFile keeps, as its walk and its chapter order show it.
// Taking it checks the walk's promises: names in upper case, chapters and
// keys each in strictly rising byte order.
struct ConfigContent {
  using Keys = std::vector<std::pair<std::string, std::string>>;
  std::map<std::string, Keys> m_chapters;
  // Header names and comments in file order; true for a header.
  std::vector<std::pair<bool, std::string>> m_order;

  static ConfigContent Of(const ConfigFile& config);
  bool operator==(const ConfigContent&) const = default;
};
