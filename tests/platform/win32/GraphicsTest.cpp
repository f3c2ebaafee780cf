#include <gtest/gtest.h>
#include <windows.h>

#include <cstdlib>
#include <string>
#include <tuple>

#include "platform/GraphicsAdapter.h"
#include "platform/GraphicsRuntime.h"
#include "platform/win32/Win32Child.h"
#include "support/TempDirectory.h"

// Direct3D 8 answers in this 32-bit process for the default adapter's hardware device. Under
// Wine it needs a display (Xvfb will do) and 32-bit OpenGL, and reports both hardware bits even
// on a software renderer.
TEST(Win32Graphics, AdapterCapsFromDirect3D8) {
  if (std::getenv("DISPLAY") == nullptr) GTEST_SKIP() << "Direct3D under Wine needs a display";
  const std::optional<uint32_t> caps = platform::GetGraphicsAdapter().QueryDefaultDeviceCaps();
  ASSERT_TRUE(caps.has_value());
  EXPECT_EQ(*caps & platform::kDevCapsHwRasterization, platform::kDevCapsHwRasterization);
  EXPECT_EQ(*caps & platform::kDevCapsHwTransformAndLight, platform::kDevCapsHwTransformAndLight);
  // Asked again, the object is made and released again with the same answer.
  EXPECT_EQ(platform::GetGraphicsAdapter().QueryDefaultDeviceCaps(), caps);
}

// The runtime's version comes from the setup library's query, found by its ordinal; without
// the library there is no runtime to report.
TEST(Win32Graphics, RuntimeFromTheSetupLibrary) {
  TempDirectory directory;
  platform::GraphicsRuntime& runtime = platform::GetGraphicsRuntime();
  const HMODULE system_library = ::LoadLibraryA("dsetup.dll");
  if (system_library != nullptr) ::FreeLibrary(system_library);
  EXPECT_EQ(runtime.QueryVersion().has_value(), system_library != nullptr);
  if (system_library != nullptr) GTEST_SKIP() << "the system has a setup library of its own";

  // The current directory is among the places a library is looked for.
  const std::string stand_in = platform::ProgramFolder().value_or(".") + "\\dsetup\\dsetup.dll";
  ASSERT_TRUE(::CopyFileA(stand_in.c_str(), "dsetup.dll", TRUE)) << stand_in;
  const std::optional<platform::RuntimeVersion> version = runtime.QueryVersion();
  ASSERT_TRUE(version.has_value());
  EXPECT_EQ(std::tuple(version->version, version->revision),
            std::tuple(platform::kRuntimeVersionCurrent, 0x00000A7Bu));
}
