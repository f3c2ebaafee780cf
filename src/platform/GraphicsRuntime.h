#pragma once

#include <cstdint>
#include <optional>

namespace platform {

// The version of the installed graphics runtime: the major number in the
// high 16 bits, the minor number in the low 16 bits.
struct RuntimeVersion {
  uint32_t version = 0;
  uint32_t revision = 0;
};

// What the real runtime reports: the current version when it finds a
// graphics device, an older one when it loads but finds none.
constexpr uint32_t kRuntimeVersionCurrent = 0x00040008;
constexpr uint32_t kRuntimeVersionOlder = 0x00040007;

// The installed graphics runtime, as the main window's status shows it.
//
// The real one shares the graphics system's examination with the adapter
// (see GraphicsAdapter.h, StartGraphicsPreload). Tests install a fake
// (tests/support/FakeGraphicsRuntime.h).
class GraphicsRuntime {
 public:
  virtual ~GraphicsRuntime() = default;

  // nullopt when no runtime can be loaded.
  virtual std::optional<RuntimeVersion> QueryVersion() = 0;
};

// The installed runtime, else the real one.
GraphicsRuntime& GetGraphicsRuntime();
// Installs `runtime` (not owned; null restores the real one) and returns the
// one installed before (null when that was the real one).
GraphicsRuntime* SetGraphicsRuntime(GraphicsRuntime* runtime);
// The real runtime of this platform, defined by its backend.
GraphicsRuntime& RealGraphicsRuntime();

}  // namespace platform
