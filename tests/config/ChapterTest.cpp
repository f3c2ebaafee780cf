#include "config/Chapter.h"

#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "config/ConfigArena.h"

namespace {

std::vector<std::string> KeysOf(const Chapter& chapter) {
  std::vector<std::string> keys;
  for (const Chapter::Entry& entry : chapter.Keys()) {
    keys.emplace_back(entry.Key());
  }
  return keys;
}

}  // namespace

// Keys stay unique and in byte order, the later value wins, in small and large chapters alike.
TEST(Chapter, OrderAndReplacement) {
  ConfigArena arena;
  Chapter small(&arena);
  small.Set("B", "1");
  small.Set("A", "2");
  small.Set("AB", "3");
  small.Set("B", "long value");
  small.Set("\xE9", "high byte");
  small.Set("B", "x");
  EXPECT_EQ(KeysOf(small), (std::vector<std::string>{"A", "AB", "B", "\xE9"}));
  EXPECT_EQ(small.Find("B"), "x");
  EXPECT_EQ(small.Find("AB"), "3");
  EXPECT_FALSE(small.Find("C").has_value());

  // Past the insertion limit keys arrive in reverse and twice each.
  Chapter large(&arena);
  constexpr int kCount = 10000;
  for (int pass = 0; pass < 2; ++pass) {
    for (int i = kCount - 1; i >= 0; --i) {
      char key[16];
      std::snprintf(key, sizeof key, "K%05d", i);
      large.Set(key, pass == 0 ? "first" : std::to_string(i));
    }
  }
  const std::vector<std::string> keys = KeysOf(large);
  ASSERT_EQ(keys.size(), static_cast<std::size_t>(kCount));
  EXPECT_EQ(keys.front(), "K00000");
  EXPECT_EQ(keys.back(), "K09999");
  EXPECT_TRUE(std::is_sorted(keys.begin(), keys.end()));
  EXPECT_EQ(large.Find("K01234"), "1234");
  large.Set("K01234", "again");
  large.Set("K99999", "new");
  EXPECT_EQ(large.Find("K01234"), "again");
  EXPECT_EQ(large.Find("K99999"), "new");
}
