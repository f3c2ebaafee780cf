#include "config/ConfigLine.h"

#include <gtest/gtest.h>

// Headers with their odd cases: blanks are trimmed and the last character is dropped unseen.
TEST(ConfigLine, Headers) {
  const struct { const char* line; const char* name; } cases[] = {
      {"[SYSTEM]", "SYSTEM"}, {"  [ System ]\r", "System"}, {"[SYSTEM", "SYSTE"}, {"[A]B", "A]"},
      {"[]", ""},             {"[ ]", ""},                  {"[", ""},            {"[\t x y \t]", "x y"}};
  for (const auto& c : cases) {
    const ConfigLine line = ParseConfigLine(c.line);
    EXPECT_EQ(line.kind, ConfigLine::Kind::Header) << c.line;
    EXPECT_EQ(line.text, c.name) << c.line;
  }
}
