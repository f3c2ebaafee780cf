#include "engine/String.h"

#include <gtest/gtest.h>

#include "support/GermanLocale.h"

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

// Format cuts at format length + 1999 characters and ignores a German process locale.
TEST(StringHelpers, FormatIsBoundedAndUsesCLocale) {
  String out = "old";
  Format(out, "%s", String(5000, 'x').c_str());
  EXPECT_EQ(out, String(2001, 'x'));
  {
    const GermanLocale german;
    ASSERT_TRUE(german.Active()) << "needs the package locales-all";
    Format(out, "%f %s", 1000.5, "a%b");
  }
  EXPECT_EQ(out, "1000.500000 a%b");
}
