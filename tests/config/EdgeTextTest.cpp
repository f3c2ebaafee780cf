#include <string>

#include "ConfigFixture.h"
#include "config/Chapter.h"
#include "config/ConfigArena.h"
#include "config/ConfigFile.h"

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

  ConfigFile config;
  ASSERT_EQ(ReadText(config, "=\r\n=2"), kErrNone);
  EXPECT_EQ(config.GetInt("", "", 7), 2);
  EXPECT_EQ(WriteText(config), CrLf({"=2"}));
}
