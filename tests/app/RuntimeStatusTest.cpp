#include <gtest/gtest.h>

#include "app/RuntimeStatus.h"

namespace {

// The version decides the icon and the sentence; exactly one icon shows.
TEST(RuntimeStatus, VersionDecidesIconAndText) {
  struct Case {
    bool succeeded;
    std::uint32_t version;
    bool ready;
    unsigned text_id;
  };
  const Case cases[] = {
      {true, 0x00040008, true, 1}, {true, 0x00050000, true, 1},   {true, 0x00040007, false, 3},
      {true, 0, false, 2},         {false, 0x00040008, false, 2},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(testing::Message() << std::hex << c.version << " succeeded " << c.succeeded);
    const RuntimeStatus status = RuntimeStatus::FromQuery(c.succeeded, c.version);
    EXPECT_EQ(status.IsReady(), c.ready);
    EXPECT_EQ(status.TextId(), c.text_id);
    EXPECT_EQ(status.VisibleIconControl(), c.ready ? 1010 : 1011);
    EXPECT_EQ(status.HiddenIconControl(), c.ready ? 1011 : 1010);
  }
}

}  // namespace
