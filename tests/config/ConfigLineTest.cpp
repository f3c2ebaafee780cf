#include "config/ConfigLine.h"

#include <string>

#include <gtest/gtest.h>

using Kind = ConfigLine::Kind;

// Headers with their odd cases: the last character is dropped unseen.
TEST(ConfigLine, Headers)
{
    const struct {
        const char* line;
        const char* name;
    } cases[] = {
        {"[SYSTEM]", "SYSTEM"}, {"  [ System ]\r", "System"}, {"[SYSTEM", "SYSTE"},
        {"[A]B", "A]"},         {"[]", ""},                   {"[ ]", ""},
        {"[", ""},              {"[\t x y \t]", "x y"},
    };
    for (const auto& c : cases) {
        const ConfigLine line = ParseConfigLine(c.line);
        EXPECT_EQ(line.kind, Kind::Header) << c.line;
        EXPECT_EQ(line.text, c.name) << c.line;
    }
}

// Key lines split at the first "=", blanks next to it dropped, inner ones kept.
TEST(ConfigLine, KeyLines)
{
    const struct {
        const char* line;
        const char* key;
        const char* value;
    } cases[] = {
        {"Sound = TRUE", "Sound", "TRUE"}, {"MY KEY = a = b", "MY KEY", "a = b"},
        {"KEY=", "KEY", ""},               {"=5", "", "5"},
        {"=", "", ""},                     {" a\tb =\t c d \r", "a\tb", "c d"},
        {"K==", "K", "="},
    };
    for (const auto& c : cases) {
        const ConfigLine line = ParseConfigLine(c.line);
        EXPECT_EQ(line.kind, Kind::Key) << c.line;
        EXPECT_EQ(line.key, c.key) << c.line;
        EXPECT_EQ(line.value, c.value) << c.line;
    }
}

// Blank lines, comments and the missing "=" error; LF is white space, not a line end.
TEST(ConfigLine, OtherKinds)
{
    EXPECT_EQ(ParseConfigLine("").kind, Kind::Blank);
    EXPECT_EQ(ParseConfigLine(" \t\n\v\f\r").kind, Kind::Blank);

    const ConfigLine comment = ParseConfigLine("  ! any text = [x] \r");
    EXPECT_EQ(comment.kind, Kind::Comment);
    EXPECT_EQ(comment.text, "! any text = [x]");

    EXPECT_EQ(ParseConfigLine("FOO").kind, Kind::MissingEquals);
    EXPECT_EQ(ParseConfigLine(std::string("A\0B", 3)).kind, Kind::MissingEquals);

    const ConfigLine joined = ParseConfigLine("A=1\nB=2\n");
    EXPECT_EQ(joined.kind, Kind::Key);
    EXPECT_EQ(joined.key, "A");
    EXPECT_EQ(joined.value, "1\nB=2");
}
