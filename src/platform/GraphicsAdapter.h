#pragma once

#include <cstdint>
#include <optional>

namespace platform {

// Device capability bits of the default adapter's hardware device.
constexpr uint32_t kDevCapsHwTransformAndLight = 0x00010000;
constexpr uint32_t kDevCapsHwRasterization = 0x00080000;

// The graphics system's default adapter, as the quality probe sees it.
//
// The real adapter (Vulkan, loaded at run time) examines the system once per
// process. It is slow to do so (tens of milliseconds), so main() should call
// StartGraphicsPreload() first thing: the examination then runs alongside
// the start-up and a later query waits only for what is left. Results are
// the same with or without the preload.
//
// Tests install a fake (tests/support/FakeGraphicsAdapter.h).
class GraphicsAdapter {
 public:
  virtual ~GraphicsAdapter() = default;

  // Creates the graphics object, reads the device capabilities of the
  // default adapter and releases the object. nullopt when the object cannot
  // be created; 0 when the capabilities cannot be read.
  virtual std::optional<uint32_t> QueryDefaultDeviceCaps() = 0;
};

// The installed adapter, else the real one.
GraphicsAdapter& GetGraphicsAdapter();
// Installs `adapter` (not owned; null restores the real one) and returns the
// one installed before (null when that was the real one).
GraphicsAdapter* SetGraphicsAdapter(GraphicsAdapter* adapter);
// The real adapter of this platform, defined by its backend.
GraphicsAdapter& RealGraphicsAdapter();

// Starts examining the real graphics system in a child process. Call it
// before the process starts any thread; calling it again does nothing. A
// process may end without asking for the findings.
void StartGraphicsPreload();

}  // namespace platform
