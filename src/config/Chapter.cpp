#include "config/Chapter.h"

#include <algorithm>
#include <cstring>

#include "config/ConfigArena.h"

namespace {

bool KeyLess(const Chapter::Entry& a, const Chapter::Entry& b)
{
    return a.m_key < b.m_key;
}

bool KeyBelow(const Chapter::Entry& entry, std::string_view key)
{
    return entry.m_key < key;
}

}  // namespace

Chapter::Chapter(ConfigArena* arena) : m_arena(arena) {}

void Chapter::Sort() const
{
    if (m_sorted) {
        return;
    }
    // Equal keys keep their order of arrival; the last of each run wins.
    std::stable_sort(m_entries.begin(), m_entries.end(), KeyLess);
    auto out = m_entries.begin();
    for (auto run = m_entries.begin(); run != m_entries.end();) {
        auto last = run;
        while (last + 1 != m_entries.end() && (last + 1)->m_key == run->m_key) {
            ++last;
        }
        *out++ = *last;
        run = last + 1;
    }
    m_entries.erase(out, m_entries.end());
    m_sorted = true;
}

const Chapter::Entries& Chapter::Keys() const
{
    Sort();
    return m_entries;
}

const std::string_view* Chapter::Find(std::string_view upper_key) const
{
    Sort();
    const auto found = std::lower_bound(m_entries.begin(), m_entries.end(), upper_key, KeyBelow);
    return found != m_entries.end() && found->m_key == upper_key ? &found->m_value : nullptr;
}

void Chapter::Replace(Entry& entry, std::string_view value)
{
    // A replaced value reuses its bytes when the new one fits, so setting the
    // same key again and again does not grow the arena.
    if (!value.empty() && value.size() <= entry.m_value.size()) {
        char* bytes = const_cast<char*>(entry.m_value.data());
        std::memmove(bytes, value.data(), value.size());
        entry.m_value = {bytes, value.size()};
    } else {
        entry.m_value = m_arena->Store(value);
    }
}

void Chapter::Set(std::string_view upper_key, std::string_view value)
{
    if (m_sorted) {
        if (m_entries.empty() || m_entries.back().m_key < upper_key) {
            m_entries.push_back({m_arena->Store(upper_key), m_arena->Store(value)});
            return;
        }
        const auto found = std::lower_bound(m_entries.begin(), m_entries.end(), upper_key, KeyBelow);
        if (found->m_key == upper_key) {
            Replace(*found, value);
            return;
        }
        if (m_entries.size() < kInsertLimit) {
            m_entries.insert(found, {m_arena->Store(upper_key), m_arena->Store(value)});
            return;
        }
        m_sorted = false;
    }
    m_entries.push_back({m_arena->Store(upper_key), m_arena->Store(value)});
}
