#include <gtest/gtest.h>
#include <windows.h>

#include <cstdlib>

#include "platform/GraphicsAdapter.h"
#include "platform/GraphicsRuntime.h"

// Direct3D 8 answers for the default adapter's hardware device. Under Wine it needs a display
// (Xvfb will do) and reports both hardware bits even on a software renderer.
TEST(Win32Graphics, AdapterCapsFromDirect3D8) {
  if (std::getenv("DISPLAY") == nullptr) GTEST_SKIP() << "Direct3D under Wine needs a display";
  const std::optional<uint32_t> caps = platform::GetGraphicsAdapter().QueryDefaultDeviceCaps();
  ASSERT_TRUE(caps.has_value());
  EXPECT_EQ(*caps & platform::kDevCapsHwRasterization, platform::kDevCapsHwRasterization);
  // Asked again, the object is made and released again with the same answer.
  EXPECT_EQ(platform::GetGraphicsAdapter().QueryDefaultDeviceCaps(), caps);
}

// The runtime's version comes from the setup library's query; without the library there is no
// runtime to report.
TEST(Win32Graphics, RuntimeFromTheSetupLibrary) {
  const HMODULE setup = ::LoadLibraryA("dsetup.dll");
  const std::optional<platform::RuntimeVersion> version =
      platform::GetGraphicsRuntime().QueryVersion();
  EXPECT_EQ(version.has_value(), setup != nullptr);
  if (setup != nullptr) ::FreeLibrary(setup);
}
