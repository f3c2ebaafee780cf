#include "app/RuntimeStatus.h"

#include "platform/GraphicsRuntime.h"
#include "resources/StringIds.h"

// A failed query means no runtime could be loaded at all, so the player is
// told to install it (text 2). A query that succeeds with a version below the
// current one (major 4, minor 8: the first that runs the game) found a
// runtime, just not one that can run the game: that is the older runtime
// (text 3). A version of 0 carries no version at all and counts as none. The
// revision plays no part: no revision of an older version is enough, and
// every revision of the current one is.
RuntimeStatus RuntimeStatus::FromQuery(bool succeeded, std::uint32_t version) {
  if (succeeded && version >= platform::kRuntimeVersionCurrent) {
    return RuntimeStatus(true, kStrRuntimeReady);
  }
  if (succeeded && version != 0) {
    return RuntimeStatus(false, kStrRuntimeOlder);
  }
  return RuntimeStatus(false, kStrRuntimeMissing);
}
