#include "config/ValueText.h"

#include <cmath>
#include <string>

#include <gtest/gtest.h>

// Floats are read as atof reads decimal text (no hex, no inf) and written as "%f".
TEST(ValueText, FloatForms) {
  const auto format = [](float value) {
    char buffer[kFloatTextCapacity];
    return std::string(FormatFloatText(value, buffer));
  };
  EXPECT_EQ(format(-2.25f), "-2.250000");
  EXPECT_EQ(format(0.1234567f), "0.123457");
  const struct { const char* text; float value; } cases[] = {
      {"", 0.0f},     {"1e3", 1000.0f}, {"1,5", 1.0f},   {" \t+2.5xyz", 2.5f}, {"-.5", -0.5f},
      {"1e", 1.0f},   {"abc", 0.0f},    {"0x10", 0.0f},  {"inf", 0.0f},       {"-", 0.0f},
      {"1e-999", 0.0f}, {"0.123457", 0.123457f}};
  for (const auto& c : cases) {
    EXPECT_EQ(ParseFloatText(c.text), c.value) << c.text;
  }
  EXPECT_TRUE(std::isinf(ParseFloatText("1e39")));
  EXPECT_LT(ParseFloatText("-1e39"), 0.0f);
  EXPECT_EQ(ParseFloatText(format(3.4e38f)), 3.4e38f);
}

// Ints are read as atoi reads them, clamped to the int range, and written as "%d".
TEST(ValueText, IntForms) {
  char buffer[kIntTextCapacity];
  EXPECT_EQ(FormatIntText(-2147483647 - 1, buffer), "-2147483648");
  EXPECT_EQ(FormatIntText(2147483647, buffer), "2147483647");
  const struct { const char* text; int32_t value; } cases[] = {
      {"", 0}, {"0x10", 0}, {"12.7", 12}, {"abc", 0}, {"  +42 ", 42}, {"99999999999", 2147483647},
      {"-99999999999", -2147483647 - 1}, {"-2147483648", -2147483647 - 1}};
  for (const auto& c : cases) {
    EXPECT_EQ(ParseIntText(c.text), c.value) << c.text;
  }
}

// GUIDs are eleven colon-joined numbers, each cut to its field; a short text leaves zeros.
TEST(ValueText, GuidForms) {
  const Guid keyboard{0xA4565428, 0x396B, 0x2537, {0x1B, 0x5D, 0x38, 0x18, 0x36, 0x0B, 0xAA, 0xDD}};
  char buffer[kGuidTextCapacity];
  EXPECT_EQ(FormatGuidText(keyboard, buffer), "2757121064:14699:9527:27:93:56:24:54:11:170:221");
  EXPECT_EQ(ParseGuidText("2757121064:14699:9527:27:93:56:24:54:11:170:221"), keyboard);
  EXPECT_EQ(ParseGuidText("4294967295:65537:70000:256:257:1:2:3:4:5:511"),
            (Guid{0xFFFFFFFFu, 1, 70000 % 65536, {0, 1, 1, 2, 3, 4, 5, 255}}));
  EXPECT_EQ(ParseGuidText("7:8:x:1"), (Guid{7, 8, 0, {}}));
  EXPECT_EQ(ParseGuidText("5 :6").data2, 0);
  EXPECT_EQ(ParseGuidText(" 5: 6").data2, 6);
  EXPECT_EQ(ParseGuidText("-1").data1, 0xFFFFFFFFu);
}
