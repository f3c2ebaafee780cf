#include "config/Chapter.h"

#include <algorithm>
#include <cstdio>
#include <string>
#include <utility>
#include <vector>

#include <gtest/gtest.h>

#include "config/ConfigArena.h"

static std::vector<std::string> KeysOf(const Chapter& chapter) {
  std::vector<std::string> keys;
  for (const Chapter::Entry& entry : chapter.Keys()) keys.emplace_back(entry.Key());
  return keys;
}

// Keys stay unique and in byte order, the later value wins, in small and large chapters alike.
TEST(Chapter, OrderAndReplacement) {
  ConfigArena arena;
  Chapter small(&arena);
  for (const auto& [key, value] : {std::pair{"B", "1"}, {"A", "2"}, {"AB", "3"}, {"B", "long value"},
                                   {"\xE9", "high byte"}, {"B", "x"}}) {
    small.Set(key, value);
  }
  EXPECT_EQ(KeysOf(small), (std::vector<std::string>{"A", "AB", "B", "\xE9"}));
  EXPECT_EQ(small.Find("B"), "x");
  EXPECT_FALSE(small.Find("C").has_value());

  // Past the insertion limit keys arrive in reverse and twice each.
  Chapter large(&arena);
  for (int pass = 0; pass < 2; ++pass) {
    for (int i = 9999; i >= 0; --i) {
      char key[16];
      std::snprintf(key, sizeof key, "K%05d", i);
      large.Set(key, pass == 0 ? "first" : std::to_string(i));
    }
  }
  const std::vector<std::string> keys = KeysOf(large);
  ASSERT_EQ(keys.size(), 10000u);
  EXPECT_EQ(keys.front(), "K00000");
  EXPECT_TRUE(std::is_sorted(keys.begin(), keys.end()));
  EXPECT_EQ(large.Find("K01234"), "1234");
  large.Set("K01234", "again");
  large.Set("K99999", "new");
  EXPECT_EQ(large.Find("K01234"), "again");
  EXPECT_EQ(large.Find("K99999"), "new");
}
