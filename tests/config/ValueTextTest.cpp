#include "config/ValueText.h"

#include <cmath>
#include <string>

#include <gtest/gtest.h>

namespace {

std::string Float(float value) {
  char buffer[kFloatTextCapacity];
  return std::string(FormatFloatText(value, buffer));
}

std::string Int(int32_t value) {
  char buffer[kIntTextCapacity];
  return std::string(FormatIntText(value, buffer));
}

std::string GuidText(const Guid& value) {
  char buffer[kGuidTextCapacity];
  return std::string(FormatGuidText(value, buffer));
}

const Guid kKeyboard{0xA4565428, 0x396B, 0x2537, {0x1B, 0x5D, 0x38, 0x18, 0x36, 0x0B, 0xAA, 0xDD}};

}  // namespace

// Floats are read as atof reads decimal text and written as "%f".
TEST(ValueText, FloatForms) {
  EXPECT_EQ(Float(1000.0f), "1000.000000");
  EXPECT_EQ(Float(0.5f), "0.500000");
  EXPECT_EQ(Float(-2.25f), "-2.250000");
  EXPECT_EQ(Float(0.1234567f), "0.123457");
  EXPECT_EQ(Float(0.0f), "0.000000");

  EXPECT_EQ(ParseFloatText(""), 0.0f);
  EXPECT_EQ(ParseFloatText("1.5"), 1.5f);
  EXPECT_EQ(ParseFloatText("1e3"), 1000.0f);
  EXPECT_EQ(ParseFloatText("1,5"), 1.0f);
  EXPECT_EQ(ParseFloatText(" \t+2.5xyz"), 2.5f);
  EXPECT_EQ(ParseFloatText("-.5"), -0.5f);
  EXPECT_EQ(ParseFloatText("1e"), 1.0f);
  EXPECT_EQ(ParseFloatText("abc"), 0.0f);
  EXPECT_EQ(ParseFloatText("0x10"), 0.0f);
  EXPECT_EQ(ParseFloatText("inf"), 0.0f);
  EXPECT_EQ(ParseFloatText("-"), 0.0f);
  EXPECT_EQ(ParseFloatText("0.123457"), 0.123457f);
  EXPECT_TRUE(std::isinf(ParseFloatText("1e999")));
  EXPECT_TRUE(std::isinf(ParseFloatText("1e39")));
  EXPECT_LT(ParseFloatText("-1e39"), 0.0f);
  EXPECT_EQ(ParseFloatText("1e-999"), 0.0f);
  EXPECT_EQ(ParseFloatText(Float(3.4e38f)), 3.4e38f);
}

// Ints are read as atoi reads them and written as "%d".
TEST(ValueText, IntForms) {
  EXPECT_EQ(Int(0), "0");
  EXPECT_EQ(Int(-3), "-3");
  EXPECT_EQ(Int(2147483647), "2147483647");
  EXPECT_EQ(Int(-2147483647 - 1), "-2147483648");

  EXPECT_EQ(ParseIntText(""), 0);
  EXPECT_EQ(ParseIntText("-3"), -3);
  EXPECT_EQ(ParseIntText("0x10"), 0);
  EXPECT_EQ(ParseIntText("12.7"), 12);
  EXPECT_EQ(ParseIntText("abc"), 0);
  EXPECT_EQ(ParseIntText("  +42 "), 42);
  EXPECT_EQ(ParseIntText("99999999999"), 2147483647);
  EXPECT_EQ(ParseIntText("-99999999999"), -2147483647 - 1);
  EXPECT_EQ(ParseIntText("-2147483648"), -2147483647 - 1);
}

// GUIDs are eleven colon-joined numbers; a short text leaves zeros behind it.
TEST(ValueText, GuidForms) {
  EXPECT_EQ(GuidText(kKeyboard), "2757121064:14699:9527:27:93:56:24:54:11:170:221");
  EXPECT_EQ(ParseGuidText("2757121064:14699:9527:27:93:56:24:54:11:170:221"), kKeyboard);
  EXPECT_EQ(GuidText(Guid{}), "0:0:0:0:0:0:0:0:0:0:0");

  const Guid wide = ParseGuidText("4294967295:65537:70000:256:257:1:2:3:4:5:511");
  EXPECT_EQ(wide.data1, 0xFFFFFFFFu);
  EXPECT_EQ(wide.data2, 1);
  EXPECT_EQ(wide.data3, 70000 % 65536);
  EXPECT_EQ(wide.data4[0], 0);
  EXPECT_EQ(wide.data4[1], 1);
  EXPECT_EQ(wide.data4[7], 255);

  const Guid partial = ParseGuidText("7:8:x:1");
  EXPECT_EQ(partial.data1, 7u);
  EXPECT_EQ(partial.data2, 8);
  EXPECT_EQ(partial.data3, 0);
  EXPECT_EQ(partial.data4[0], 0);

  EXPECT_EQ(ParseGuidText(""), Guid{});
  EXPECT_EQ(ParseGuidText("5 :6").data2, 0);
  EXPECT_EQ(ParseGuidText(" 5: 6").data2, 6);
  EXPECT_EQ(ParseGuidText("-1").data1, 0xFFFFFFFFu);
}
