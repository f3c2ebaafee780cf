#include "config/ValueText.h"

#include <cmath>
#include <cstdint>
#include <string>
#include <utility>

#include <gtest/gtest.h>

// Numbers are read as atof/atoi read decimal text (no hex, no inf, ints clamped) and written as
// "%f" and "%d".
TEST(ValueText, NumberForms) {
  char buffer[kFloatTextCapacity];
  EXPECT_EQ(FormatFloatText(0.1234567f, buffer), "0.123457");
  const std::pair<const char*, float> floats[] = {
      {"", 0.0f},       {"1,5", 1.0f},  {" \t+2.5xyz", 2.5f}, {"-.5", -0.5f},
      {"1e3", 1000.0f}, {"0x10", 0.0f}, {"inf", 0.0f},        {"1e-999", 0.0f}};
  for (const auto& [text, value] : floats) EXPECT_EQ(ParseFloatText(text), value) << text;
  // Far below the double range is zero, not minus zero. (Numbers far beyond it either way are
  // the config_values fuzz target's.)
  EXPECT_FALSE(std::signbit(ParseFloatText("0." + std::string(330, '0') + "1")));

  char int_buffer[kIntTextCapacity];
  EXPECT_EQ(FormatIntText(INT32_MIN, int_buffer), "-2147483648");
  const std::pair<const char*, int32_t> ints[] = {{"0x10", 0},
                                                  {"12.7", 12},
                                                  {"  +42 ", 42},
                                                  {"99999999999", INT32_MAX},
                                                  {"-99999999999", INT32_MIN},
                                                  {"abc", 0}};
  for (const auto& [text, value] : ints) EXPECT_EQ(ParseIntText(text), value) << text;
}

// GUIDs are eleven colon-joined numbers, each cut to its field; a short or odd text leaves
// zeros.
TEST(ValueText, GuidForms) {
  EXPECT_EQ(ParseGuidText("4294967295:65537:70000:256:257:1:2:3:4:5:511"),
            (Guid{0xFFFFFFFFu, 1, 70000 % 65536, {0, 1, 1, 2, 3, 4, 5, 255}}));
  EXPECT_EQ(ParseGuidText("7:8:x:1"), (Guid{7, 8, 0, {}}));
  EXPECT_EQ(ParseGuidText("5 : 6").data2, 0);
}
