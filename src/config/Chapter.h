#pragma once

#include <cstddef>
#include <cstdint>
#include <optional>
#include <string_view>
#include <vector>

class ConfigArena;

// One named section of a configuration file: a map from key name in upper
// case to value text, kept in key order. Keys compare byte by byte as
// unsigned values, a proper prefix first. The texts live in the owning
// ConfigFile's arena.
//
// The map is a sorted vector rather than a tree: a file is read by appending
// keys that mostly arrive in order, and a vector entry takes a quarter of the
// memory of a tree node. A key that arrives out of order in a
// large chapter is appended and the chapter sorted at its next look-up, so
// reading a file never costs more than one sort per chapter.
class Chapter {
 public:
  // A key and its value, stored one after the other in the arena; a
  // quarter of the size of a tree node, which matters for large files.
  struct Entry {
    const char* m_text = nullptr;
    uint32_t m_key_size = 0;
    uint32_t m_value_size = 0;

    std::string_view Key() const { return {m_text, m_key_size}; }
    std::string_view Value() const { return {m_text + m_key_size, m_value_size}; }
  };
  using Entries = std::vector<Entry>;

  explicit Chapter(ConfigArena* arena);

  // The value stored under an upper-case key, if there is one.
  std::optional<std::string_view> Find(std::string_view upper_key) const;

  // Stores the value under an upper-case key, adding the key when needed;
  // a later value replaces an earlier one.
  void Set(std::string_view upper_key, std::string_view value);

  // Every key once, in key order.
  const Entries& Keys() const;

 private:
  // Above this size a key out of order is appended instead of inserted.
  static constexpr std::size_t kInsertLimit = 4096;

  void Sort() const;
  Entry MakeEntry(std::string_view upper_key, std::string_view value);
  void Replace(Entry& entry, std::string_view value);

  ConfigArena* m_arena;
  mutable Entries m_entries;
  mutable bool m_sorted = true;
};
