#include "platform/posix/ManifestReader.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

using Strings = std::vector<std::string>;

// A manifest yields its library paths and switch variables wherever they sit,
// escapes stand for the character they escape, and damage (a value of another
// type, a key without its colon, an unterminated string or object) ends that
// field's reading without losing the fields before it.
TEST(ManifestReader, ReadsStringsAndObjectKeysAndStopsAtDamage) {
  const platform::posix::ManifestReader manifest(R"({
    "file_format_version" : "1.0.0",
    "ICD": { "library_path" : "lib\"odd\\name.so", "api_version": "1.3" },
    "layers": [ { "library_path": "./liblayer.so",
                  "enable_environment": { "ENABLE_A": "1", "ENABLE_B" : "1" },
                  "disable_environment": {} } ],
    "library_path": 7, "library_path" "no colon.so"
  })");
  EXPECT_EQ(manifest.StringValues("library_path"), (Strings{"lib\"odd\\name.so", "./liblayer.so"}));
  EXPECT_EQ(manifest.ObjectKeys("enable_environment"), (Strings{"ENABLE_A", "ENABLE_B"}));
  EXPECT_EQ(manifest.ObjectKeys("disable_environment"), Strings{});
  EXPECT_EQ(manifest.StringValues("missing"), Strings{});

  EXPECT_EQ(
      platform::posix::ManifestReader(R"({"library_path": "cut.so)").StringValues("library_path"),
      Strings{});
  EXPECT_EQ(
      platform::posix::ManifestReader(R"({"enable_environment": {"A": "1", "B": 2, "C": "3"}})")
          .ObjectKeys("enable_environment"),
      (Strings{"A", "B"}));
  EXPECT_EQ(platform::posix::ManifestReader("").StringValues("library_path"), Strings{});
}
