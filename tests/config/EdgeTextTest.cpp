#include <cmath>
#include <limits>
#include <string>
#include <utility>

#include "ConfigFixture.h"
#include "config/Chapter.h"
#include "config/ConfigArena.h"
#include "config/ConfigFile.h"
#include "config/ValueText.h"

// An entry with an empty key and an empty value holds no text; giving it a longer value, by a
// setter or by a second key line of the file "=" CR LF "=2", must not copy from that nothing
// (the sanitizer build checks the copy).
TEST_F(ConfigFixture, EmptyEntryTakesALongerValue) {
  ConfigArena arena;
  Chapter chapter(&arena);
  chapter.Set("", "");
  chapter.Set("", "longer");
  EXPECT_EQ(chapter.Find(""), "longer");
  chapter.Set("", "");
  EXPECT_EQ(chapter.Find(""), "");

  WriteBytes("empty.ini", "=\r\n=2");
  ConfigFile config;
  FileHandle in(4096);
  in.SetFileName("empty.ini");
  ASSERT_EQ(in.Open(kOpenRead), kErrNone);
  ASSERT_EQ(config.Read(in), kErrNone);
  EXPECT_EQ(config.GetInt("", "", 7), 2);
  FileHandle out(4096);
  out.SetFileName("out.ini");
  ASSERT_EQ(out.Open(kOpenWrite), kErrNone);
  ASSERT_EQ(config.Write(out), kErrNone);
  out.Close();
  EXPECT_EQ(ReadBytes("out.ini"), CrLf({"=2"}));
}

// A number beyond the double range reads as 0 or infinity by its size, which counts the zeros
// before or after the point as well as the exponent, not by the exponent's sign alone.
TEST(ValueText, OutOfRangeBySize) {
  const float inf = std::numeric_limits<float>::infinity();
  const std::pair<std::string, float> cases[] = {
      {"0." + std::string(330, '0') + "1", 0.0f},
      {"1" + std::string(400, '0') + "e-5", inf},
      {"-1" + std::string(400, '0') + "e-5", -inf},
      {"1" + std::string(320, '0') + "e-10", inf},
      {"0.00001e-320", 0.0f},
      {"123e-330", 0.0f},
      {"." + std::string(400, '0') + "7e80", 0.0f},
      {"0000.5e400", inf},
      {"1e99999999999999999999999", inf},
      {"1e-99999999999999999999999", 0.0f},
      {"2e308", inf},
  };
  for (const auto& [text, value] : cases) {
    EXPECT_EQ(ParseFloatText(text), value) << text.substr(0, 40) << "… (" << text.size() << ")";
  }
  EXPECT_FALSE(std::signbit(ParseFloatText("0." + std::string(330, '0') + "1")));
}
