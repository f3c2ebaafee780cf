#include "config/ValueText.h"

#include <cmath>
#include <cstdint>
#include <string>

#include <gtest/gtest.h>

// Numbers are written as "%f" and "%d", and a number far below the double
// range reads as zero, not minus zero. (What each text reads as, against the
// C library's reading, is the config_values fuzz target's.)
TEST(ValueText, NumberForms) {
  char buffer[kFloatTextCapacity];
  EXPECT_EQ(FormatFloatText(0.1234567f, buffer), "0.123457");
  EXPECT_FALSE(std::signbit(ParseFloatText("0." + std::string(330, '0') + "1")));
  char int_buffer[kIntTextCapacity];
  EXPECT_EQ(FormatIntText(INT32_MIN, int_buffer), "-2147483648");
}

// GUIDs are eleven colon-joined numbers, each cut to its field; a short or odd text leaves
// zeros.
TEST(ValueText, GuidForms) {
  EXPECT_EQ(ParseGuidText("4294967295:65537:70000:256:257:1:2:3:4:5:511"),
            (Guid{0xFFFFFFFFu, 1, 70000 % 65536, {0, 1, 1, 2, 3, 4, 5, 255}}));
  EXPECT_EQ(ParseGuidText("7:8:x:1"), (Guid{7, 8, 0, {}}));
  EXPECT_EQ(ParseGuidText("5 : 6").data2, 0);
}
