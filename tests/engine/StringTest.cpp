#include "engine/String.h"

#include <gtest/gtest.h>


// Trimming removes exactly the bytes 9-13 and 32 from the chosen side; upper case and
// case-insensitive comparison touch only a-z.
TEST(StringHelpers, TrimAndCaseTouchOnlyAscii) {
  String all_space = " \t\r\n\v\f ", both = "\t key = value \r", other = "\x1f!\xa0";
  EXPECT_EQ(Trim(all_space), "");
  EXPECT_EQ(TrimLeft(both), "key = value \r");
  EXPECT_EQ(TrimRight(both), "key = value");
  EXPECT_EQ(Trim(other), "\x1f!\xa0");
  EXPECT_EQ(ToUpperCopy("a1\xe9-z"), "A1\xe9-Z");
  EXPECT_TRUE(EqualsNoCase("Player01", "PLAYER01"));
  EXPECT_FALSE(EqualsNoCase("PLAYER0", "PLAYER01"));
  EXPECT_FALSE(EqualsNoCase("\xe9", "\xc9"));
}

// Format cuts at format length + 1999 characters (the process locale is the
// settings test's: a save under a German locale).
TEST(StringHelpers, FormatIsBounded) {
  String out = "old";
  Format(out, "%s", String(5000, 'x').c_str());
  EXPECT_EQ(out, String(2001, 'x'));
  Format(out, "%d %s", 7, "a%b");
  EXPECT_EQ(out, "7 a%b");
}
