#include "config/ConfigFile.h"

#include <unordered_set>

#include "config/ConfigArena.h"
#include "config/ConfigLine.h"
#include "config/ConfigLineReader.h"
#include "engine/ErrorReporter.h"
#include "engine/FileHandle.h"
#include "engine/Log.h"
#include "engine/OpenMode.h"

namespace {

bool CanRead(const FileHandle& file) {
  return file.IsOpen() && (file.GetMode() == kOpenRead || file.GetMode() == kOpenReadWrite);
}

bool CanWrite(const FileHandle& file) {
  return file.IsOpen() && (file.GetMode() == kOpenWrite || file.GetMode() == kOpenReadWrite);
}

// Puts the file's line ending back however the operation ends.
class LineEndingScope {
 public:
  explicit LineEndingScope(FileHandle& file) : m_file(file), m_saved(file.GetLineEnding()) {
    file.SetLineEnding(LineEnding::kCrLf);
  }
  ~LineEndingScope() { m_file.SetLineEnding(m_saved); }

  LineEndingScope(const LineEndingScope&) = delete;
  LineEndingScope& operator=(const LineEndingScope&) = delete;

 private:
  FileHandle& m_file;
  LineEnding m_saved;
};

void WriteLine(FileHandle& file, String& line, std::string_view text) {
  line.assign(text);
  file.WriteString(line);
}

void WriteHeader(FileHandle& file, String& line, std::string_view name) {
  line.assign(1, '[');
  line.append(name);
  line.push_back(']');
  file.WriteString(line);
}

}  // namespace

ConfigFile::ConfigFile() : m_arena(std::make_unique<ConfigArena>()), m_chapters(m_arena.get()) {}

ConfigFile::~ConfigFile() = default;

std::string_view ConfigFile::Upper(std::string_view text, std::string& scratch) const {
  scratch.assign(text);
  for (char& c : scratch) {
    if (c >= 'a' && c <= 'z') {
      c = static_cast<char>(c - 'a' + 'A');
    }
  }
  return scratch;
}

Chapter& ConfigFile::ChapterFor(std::string_view upper_name) {
  const auto found = m_chapters.find(upper_name);
  if (found != m_chapters.end()) {
    return found->second;
  }
  return m_chapters.try_emplace(m_arena->Store(upper_name), m_arena.get()).first->second;
}

std::optional<std::string_view> ConfigFile::FindValue(std::string_view key,
                                                      std::string_view chapter) const {
  const auto found = m_chapters.find(Upper(chapter, m_chapter_scratch));
  if (found == m_chapters.end()) {
    return std::nullopt;
  }
  return found->second.Find(Upper(key, m_key_scratch));
}

void ConfigFile::Store(std::string_view key, std::string_view chapter, std::string_view value) {
  ChapterFor(Upper(chapter, m_chapter_scratch)).Set(Upper(key, m_key_scratch), value);
}

bool ConfigFile::Exists(const String& key, const String& chapter) const {
  return FindValue(key, chapter).has_value();
}

void ConfigFile::SetString(const String& key, const String& chapter, const String& value) {
  Store(key, chapter, value);
}

void ConfigFile::ReportMissingEquals(const String& file_name, int line_number) const {
  String message;
  Format(message, "Error reading config file (%s line %d) - missing '='\n", file_name.c_str(),
         line_number);
  LogPrintf("%s", message.c_str());
  if (ErrorReporter::s_instance != nullptr) {
    ErrorReporter::s_instance->SoftErrorText(file_name.c_str(), line_number, "%s", message.c_str());
  }
}

ErrorCode ConfigFile::Read(FileHandle& file) {
  if (!CanRead(file)) {
    LogPrintf("Error - trying to read a config file without read access\n");
    return ReportHardError(kErrCannotRead, file.GetName().c_str());
  }
  LineEndingScope line_ending(file);

  // The current chapter is made on its first key line: a header alone
  // creates no chapter. Key lines before any header go to the chapter with
  // the empty name.
  std::string current_name;
  Chapter* current = nullptr;
  String line;
  std::string key_scratch;
  int line_number = 0;
  ConfigLineReader reader(file);
  while (reader.Next(line)) {
    ++line_number;
    const ConfigLine parsed = ParseConfigLine(line);
    switch (parsed.kind) {
      case ConfigLine::Kind::Blank:
        break;
      case ConfigLine::Kind::Comment:
        m_chapter_order.push_back({m_arena->Store(parsed.text), false});
        break;
      case ConfigLine::Kind::Header:
        m_chapter_order.push_back({m_arena->Store(parsed.text), true});
        Upper(parsed.text, current_name);
        current = nullptr;
        break;
      case ConfigLine::Kind::Key:
        if (current == nullptr) {
          current = &ChapterFor(current_name);
        }
        current->Set(Upper(parsed.key, key_scratch), parsed.value);
        break;
      case ConfigLine::Kind::MissingEquals:
        ReportMissingEquals(file.GetName(), line_number);
        break;
    }
  }
  return 0;
}

void ConfigFile::WriteChapterKeys(FileHandle& file, const Chapter& chapter, String& line) const {
  for (const Chapter::Entry& entry : chapter.Keys()) {
    line.assign(entry.Key());
    line.push_back('=');
    line.append(entry.Value());
    file.WriteString(line);
  }
}

ErrorCode ConfigFile::Write(FileHandle& file) {
  if (!CanWrite(file)) {
    LogPrintf("Trying to write a config file without write access\n");
    return ReportHardError(kErrCannotWrite, file.GetName().c_str());
  }
  LineEndingScope line_ending(file);
  String line;

  // The chapter with the empty name holds the key lines that stood before
  // the first header (or under a header with nothing between its
  // brackets). Its keys are written first of all, before any header, which
  // is the one place where reading the file back files them under the
  // empty name again; the two passes below leave that chapter out.
  const auto unnamed = m_chapters.find(std::string_view());
  if (unnamed != m_chapters.end()) {
    WriteChapterKeys(file, unnamed->second, line);
  }

  // First pass: headers and comments in file order, each header with the
  // chapter of exactly that spelling. A header whose name begins with "!"
  // stays a header, so its chapter is not lost as a comment.
  std::unordered_set<std::string_view> listed;
  listed.reserve(m_chapter_order.size());
  for (const OrderEntry& entry : m_chapter_order) {
    if (entry.m_text.empty()) {
      WriteLine(file, line, {});
      continue;
    }
    if (!entry.m_header) {
      WriteLine(file, line, entry.m_text);
      continue;
    }
    listed.insert(entry.m_text);
    WriteHeader(file, line, entry.m_text);
    const auto found = m_chapters.find(entry.m_text);
    if (found != m_chapters.end()) {
      WriteChapterKeys(file, found->second, line);
      WriteLine(file, line, {});
    }
  }

  // Second pass: the chapters that no header of the list names exactly.
  for (const auto& [name, chapter] : m_chapters) {
    if (name.empty() || listed.contains(name)) {
      continue;
    }
    WriteLine(file, line, {});
    WriteHeader(file, line, name);
    WriteChapterKeys(file, chapter, line);
  }

  file.Flush();
  return 0;
}

void ConfigFile::Dump() const {
  ChapterCursor chapter;
  String name;
  for (bool more = GetFirstChapter(chapter, name); more; more = GetNextChapter(chapter, name)) {
    LogPrintf("\nChapter : *%s*\n", name.c_str());
    KeyCursor key_cursor;
    String key;
    String value;
    for (bool key_more = GetFirstKey(chapter, key_cursor, key, value); key_more;
         key_more = GetNextKey(chapter, key_cursor, key, value)) {
      LogPrintf("*%s* = *%s*\n", key.c_str(), value.c_str());
    }
  }
}

bool ConfigFile::GetFirstChapter(ChapterCursor& cursor, String& name) const {
  cursor.m_at = m_chapters.begin();
  if (cursor.m_at == m_chapters.end()) {
    return false;
  }
  name.assign(cursor.m_at->first);
  return true;
}

bool ConfigFile::GetNextChapter(ChapterCursor& cursor, String& name) const {
  if (cursor.m_at == m_chapters.end() || ++cursor.m_at == m_chapters.end()) {
    return false;
  }
  name.assign(cursor.m_at->first);
  return true;
}

bool ConfigFile::GetFirstKey(const ChapterCursor& chapter, KeyCursor& cursor, String& key,
                             String& value) const {
  if (chapter.m_at == m_chapters.end()) {
    return false;
  }
  const Chapter::Entries& keys = chapter.m_at->second.Keys();
  cursor.m_at = keys.begin();
  if (cursor.m_at == keys.end()) {
    return false;
  }
  key.assign(cursor.m_at->Key());
  value.assign(cursor.m_at->Value());
  return true;
}

bool ConfigFile::GetNextKey(const ChapterCursor& chapter, KeyCursor& cursor, String& key,
                            String& value) const {
  if (chapter.m_at == m_chapters.end()) {
    return false;
  }
  const Chapter::Entries& keys = chapter.m_at->second.Keys();
  if (cursor.m_at == keys.end() || ++cursor.m_at == keys.end()) {
    return false;
  }
  key.assign(cursor.m_at->Key());
  value.assign(cursor.m_at->Value());
  return true;
}
