#include "config/Chapter.h"

#include <algorithm>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "config/ConfigArena.h"

// Keys stay unique and in byte order and the later value wins, also past the insertion limit
// with keys arriving in reverse; once sorted, values are replaced in place or by longer ones.
TEST(Chapter, OrderAndReplacement) {
  ConfigArena arena;
  Chapter chapter(&arena);
  for (int i = 9999; i >= 0; --i) chapter.Set("K" + std::to_string(10000 + i), "first");
  chapter.Set("K10007", "dup");
  std::vector<std::string> keys;
  for (const Chapter::Entry& entry : chapter.Keys()) keys.emplace_back(entry.Key());
  ASSERT_EQ(keys.size(), 10000u);
  EXPECT_TRUE(std::is_sorted(keys.begin(), keys.end()));
  EXPECT_EQ(chapter.Find("K10007"), "dup");

  for (int i = 0; i < 10000; ++i) chapter.Set("K" + std::to_string(10000 + i), std::to_string(i));
  chapter.Set("K11234", "a much longer value than before");
  chapter.Set("\xE9", "high byte");
  EXPECT_EQ(chapter.Find("K10042"), "42");
  EXPECT_EQ(chapter.Find("K11234"), "a much longer value than before");
  EXPECT_EQ(chapter.Keys().back().Key(), "\xE9");
  EXPECT_FALSE(chapter.Find("K1").has_value());
}
