#include "engine/String.h"

#include <gtest/gtest.h>

#include <clocale>

// Trimming removes exactly the bytes 9-13 and 32 from the chosen side.
TEST(StringHelpers, TrimRemovesWhiteSpaceRuns) {
  String all_space = " \t\r\n\v\f ", empty, both = "\t key = value \r",
         other =
             "\x1f"
             "a\xa0";
  EXPECT_EQ(Trim(all_space), "");
  EXPECT_EQ(TrimLeft(empty), "");
  EXPECT_EQ(TrimLeft(both), "key = value \r");
  EXPECT_EQ(TrimRight(both), "key = value");
  EXPECT_EQ(Trim(other),
            "\x1f"
            "a\xa0");
}

// Upper case and case-insensitive comparison touch only a-z, in any locale.
TEST(StringHelpers, CaseHelpersTouchOnlyAsciiLetters) {
  String text = "a1\xe9-z";
  EXPECT_EQ(ToUpperCopy(text), "A1\xe9-Z");
  EXPECT_EQ(ToUpper(text), "A1\xe9-Z");
  EXPECT_TRUE(EqualsNoCase("Player01", "PLAYER01"));
  EXPECT_FALSE(EqualsNoCase("PLAYER0", "PLAYER01"));
  EXPECT_FALSE(EqualsNoCase("\xe9", "\xc9"));
  EXPECT_FALSE(EqualsNoCase("[", "{"));
}

// Format cuts at format length + 1999 characters and ignores the process locale.
TEST(StringHelpers, FormatIsBoundedAndUsesCLocale) {
  String out = "old";
  Format(out, "%s", String(5000, 'x').c_str());
  EXPECT_EQ(out, String(2001, 'x'));
  Format(out, "%d:%s", -12, "a%b");
  EXPECT_EQ(out, "-12:a%b");
  const std::string saved = std::setlocale(LC_ALL, nullptr);
  ASSERT_NE(std::setlocale(LC_ALL, "de_DE.UTF-8"), nullptr) << "needs the package locales-all";
  Format(out, "%f", 1000.5);
  std::setlocale(LC_ALL, saved.c_str());
  EXPECT_EQ(out, "1000.500000");
}
