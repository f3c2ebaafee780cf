#pragma once

#include <map>
#include <memory>
#include <memory_resource>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "config/Chapter.h"
#include "platform/Guid.h"
#include "engine/ErrorCode.h"
#include "engine/String.h"

class ConfigArena;
class FileHandle;

// A configuration file held in memory: chapters of key=value lines, plus the
// order of the chapter headers and comment lines of every file read into it.
// Chapter and key names are matched in upper case; values keep their case.
// Read and Write run on FileHandles that the DeviceManager prepared.
class ConfigFile {
 public:
  using ChapterMap = std::pmr::map<std::string_view, Chapter>;

  // Opaque positions for walking the chapters in name order and one
  // chapter's keys in key order.
  struct ChapterCursor {
    ChapterMap::const_iterator m_at;
  };
  struct KeyCursor {
    Chapter::Entries::const_iterator m_at;
  };

  ConfigFile();
  virtual ~ConfigFile();

  ConfigFile(const ConfigFile&) = delete;
  ConfigFile& operator=(const ConfigFile&) = delete;

  // Parses the file from its position to its end, adding to what is held.
  // 0, or 0x30010014 when the file is not open for reading.
  ErrorCode Read(FileHandle& file);

  // Writes everything from the file's position, lines ended by CR LF.
  // 0, or 0x30010013 when the file is not open for writing.
  ErrorCode Write(FileHandle& file);

  // Lists every chapter, key and value to the log.
  void Dump() const;

  bool Exists(const String& key, const String& chapter) const;
  void SetString(const String& key, const String& chapter, const String& value);

  bool GetFirstChapter(ChapterCursor& cursor, String& name) const;
  bool GetNextChapter(ChapterCursor& cursor, String& name) const;
  bool GetFirstKey(const ChapterCursor& chapter, KeyCursor& cursor, String& key,
                   String& value) const;
  bool GetNextKey(const ChapterCursor& chapter, KeyCursor& cursor, String& key,
                  String& value) const;

  // Typed values. A missing key logs a warning and gives the default; a key
  // that exists always gives its converted text, 0 when it holds no number.
  float GetFloat(const String& key, const String& chapter, float default_value) const;
  int32_t GetInt(const String& key, const String& chapter, int32_t default_value) const;
  bool GetBool(const String& key, const String& chapter, bool default_value) const;
  Guid GetGuid(const String& key, const String& chapter, Guid default_value) const;

  void SetFloat(const String& key, const String& chapter, float value);
  void SetInt(const String& key, const String& chapter, int32_t value);
  void SetBool(const String& key, const String& chapter, bool value);
  void SetGuid(const String& key, const String& chapter, Guid value);

  // One header or comment line of a file read, in file order: the header's
  // name or the whole comment, as written there.
  struct OrderEntry {
    std::string_view m_text;
    bool m_header = false;
  };
  const std::vector<OrderEntry>& GetChapterOrder() const { return m_chapter_order; }

 private:
  std::optional<std::string_view> FindValue(std::string_view key, std::string_view chapter) const;
  void Store(std::string_view key, std::string_view chapter, std::string_view value);
  Chapter& ChapterFor(std::string_view upper_name);
  std::string_view Upper(std::string_view text, std::string& scratch) const;
  void ReportMissingEquals(const String& file_name, int line_number) const;
  void WriteChapterKeys(FileHandle& file, const Chapter& chapter, String& line) const;

  // Declared first so that it outlives the maps whose nodes it holds.
  std::unique_ptr<ConfigArena> m_arena;
  ChapterMap m_chapters;
  std::vector<OrderEntry> m_chapter_order;
  mutable std::string m_key_scratch;
  mutable std::string m_chapter_scratch;
};
