#include "FuzzSupport.h"

#include <cstdio>
#include <cstdlib>

#include "config/ConfigFile.h"
#include "engine/ErrorReporter.h"
#include "engine/FileHandle.h"
#include "engine/Log.h"
#include "engine/OpenMode.h"
#include "platform/MessageBox.h"
#include "MemoryFileSystem.h"

namespace {

bool IsUpperCase(std::string_view name) {
  for (char c : name) {
    if (c >= 'a' && c <= 'z') return false;
  }
  return true;
}

}  // namespace

void FuzzCheckFailed(const char* condition, const char* file, int line) {
  std::fprintf(stderr, "\nFUZZ CHECK FAILED: %s\n  at %s:%d\n", condition, file, line);
  std::abort();
}

MemoryFileSystem& MemoryFiles() {
  static MemoryFileSystem* const files = [] {
    auto* made = new MemoryFileSystem();
    platform::SetFileSystem(made);
    return made;
  }();
  return *files;
}

EngineServices::EngineServices()
    : m_previous_box(platform::SetMessageBox(this)),
      m_reporter(std::make_unique<ErrorReporter>()),
      m_log(std::make_unique<Log>()) {}

EngineServices::~EngineServices() {
  platform::SetMessageBox(m_previous_box);
}

int EngineServices::Show(platform::OwnerWindow*, std::string_view, std::string_view, unsigned) {
  ++m_boxes;
  return platform::kIdOk;
}

void EngineServices::Reset() {
  m_reporter->Reset();
  m_boxes = 0;
}

bool EngineServices::HasHardError() const {
  return m_reporter->HasHardError();
}

ErrorCode EngineServices::HardErrorCode() const {
  return m_reporter->GetHardErrorCode();
}

bool EngineServices::HasSoftError() const {
  return m_reporter->HasSoftError();
}

void WriteWholeFile(const std::string& path, std::string_view bytes) {
  MemoryFiles().SetContents(path, std::string(bytes));
}

std::string ReadWholeFile(const std::string& path) {
  return MemoryFiles().Contents(path).value_or(std::string());
}

ErrorCode ReadConfig(ConfigFile& config, const std::string& path, std::uint32_t buffer_size) {
  FileHandle file(buffer_size);
  file.SetFileName(path);
  FUZZ_CHECK(file.Open(kOpenRead) == kErrNone);
  // Read sets the line ending for its own run and puts the handle's back.
  file.SetLineEnding(LineEnding::kZeroByte);
  const ErrorCode result = config.Read(file);
  FUZZ_CHECK(file.GetLineEnding() == LineEnding::kZeroByte);
  file.Close();
  return result;
}

std::string WriteConfig(ConfigFile& config, const std::string& path) {
  FileHandle file(4096);
  file.SetFileName(path);
  FUZZ_CHECK(file.Open(kOpenWrite) == kErrNone);
  file.SetLineEnding(LineEnding::kZeroByte);
  FUZZ_CHECK(config.Write(file) == kErrNone);
  FUZZ_CHECK(file.GetLineEnding() == LineEnding::kZeroByte);
  FUZZ_CHECK(file.Close() == kErrNone);
  return ReadWholeFile(path);
}

ConfigContent ConfigContent::Of(const ConfigFile& config) {
  ConfigContent content;
  ConfigFile::ChapterCursor chapter;
  String name;
  const std::string* previous_name = nullptr;
  for (bool more = config.GetFirstChapter(chapter, name); more;
       more = config.GetNextChapter(chapter, name)) {
    FUZZ_CHECK(IsUpperCase(name));
    FUZZ_CHECK(previous_name == nullptr || *previous_name < name);
    Keys& keys = content.m_chapters[name];
    // A chapter exists only once a key is stored in it.
    ConfigFile::KeyCursor key_cursor;
    String key;
    String value;
    for (bool key_more = config.GetFirstKey(chapter, key_cursor, key, value); key_more;
         key_more = config.GetNextKey(chapter, key_cursor, key, value)) {
      FUZZ_CHECK(IsUpperCase(key));
      FUZZ_CHECK(keys.empty() || keys.back().first < key);
      keys.emplace_back(key, value);
    }
    FUZZ_CHECK(!keys.empty());
    previous_name = &content.m_chapters.find(name)->first;
  }
  for (const ConfigFile::OrderEntry& entry : config.GetChapterOrder()) {
    content.m_order.emplace_back(entry.m_header, std::string(entry.m_text));
  }
  return content;
}
