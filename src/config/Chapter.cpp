#include "config/Chapter.h"

#include <algorithm>
#include <cstring>

#include "config/ConfigArena.h"

namespace {

bool KeyLess(const Chapter::Entry& a, const Chapter::Entry& b) {
  return a.Key() < b.Key();
}

bool KeyBelow(const Chapter::Entry& entry, std::string_view key) {
  return entry.Key() < key;
}

}  // namespace

Chapter::Chapter(ConfigArena* arena) : m_arena(arena) {}

void Chapter::Sort() const {
  if (m_sorted) {
    return;
  }
  // Equal keys keep their order of arrival; the last of each run wins.
  std::stable_sort(m_entries.begin(), m_entries.end(), KeyLess);
  auto out = m_entries.begin();
  for (auto run = m_entries.begin(); run != m_entries.end();) {
    auto last = run;
    while (last + 1 != m_entries.end() && (last + 1)->Key() == run->Key()) {
      ++last;
    }
    *out++ = *last;
    run = last + 1;
  }
  m_entries.erase(out, m_entries.end());
  m_sorted = true;
}

const Chapter::Entries& Chapter::Keys() const {
  Sort();
  return m_entries;
}

std::optional<std::string_view> Chapter::Find(std::string_view upper_key) const {
  Sort();
  const auto found = std::lower_bound(m_entries.begin(), m_entries.end(), upper_key, KeyBelow);
  if (found == m_entries.end() || found->Key() != upper_key) {
    return std::nullopt;
  }
  return found->Value();
}

Chapter::Entry Chapter::MakeEntry(std::string_view upper_key, std::string_view value) {
  Entry entry;
  entry.m_key_size = static_cast<uint32_t>(upper_key.size());
  entry.m_value_size = static_cast<uint32_t>(value.size());
  const std::size_t size = upper_key.size() + value.size();
  if (size > 0) {
    auto* text = static_cast<char*>(m_arena->allocate(size, 1));
    // An entry with an empty key and value has no text at all, so an empty
    // side may come with a null pointer, which memcpy may not be given.
    if (!upper_key.empty()) {
      std::memcpy(text, upper_key.data(), upper_key.size());
    }
    if (!value.empty()) {
      std::memcpy(text + upper_key.size(), value.data(), value.size());
    }
    entry.m_text = text;
  }
  return entry;
}

void Chapter::Replace(Entry& entry, std::string_view value) {
  // A new value no longer than the old one reuses its bytes, so setting
  // the same key again and again with like values does not grow the arena;
  // a longer one takes new bytes, which the ConfigFile, living for one load
  // or one store, gives back as a whole.
  if (value.size() <= entry.m_value_size && entry.m_text != nullptr) {
    char* bytes = const_cast<char*>(entry.m_text) + entry.m_key_size;
    if (!value.empty()) {
      std::memmove(bytes, value.data(), value.size());
    }
    entry.m_value_size = static_cast<uint32_t>(value.size());
  } else {
    entry = MakeEntry(entry.Key(), value);
  }
}

void Chapter::Set(std::string_view upper_key, std::string_view value) {
  if (m_sorted) {
    if (m_entries.empty() || m_entries.back().Key() < upper_key) {
      m_entries.push_back(MakeEntry(upper_key, value));
      return;
    }
    const auto found = std::lower_bound(m_entries.begin(), m_entries.end(), upper_key, KeyBelow);
    if (found->Key() == upper_key) {
      Replace(*found, value);
      return;
    }
    if (m_entries.size() < kInsertLimit) {
      m_entries.insert(found, MakeEntry(upper_key, value));
      return;
    }
    m_sorted = false;
  }
  m_entries.push_back(MakeEntry(upper_key, value));
}
