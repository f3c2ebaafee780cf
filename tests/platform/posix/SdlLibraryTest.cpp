#include "platform/posix/SdlLibrary.h"

#include <gtest/gtest.h>

#include <string>

// A library that is missing, or lacks a function, is no SDL: the error says
// which, so the gamepad system can report why it did not start. (That the
// process's SDL is the very one the tests link for their virtual pads, the
// gamepad tests show by finding those pads.)
TEST(SdlLibraryTest, MissingLibraryOrFunctionIsAnError) {
  const auto missing = platform::posix::LoadSdlLibrary("libQvNoSuchSdl-2.0.so.0");
  ASSERT_FALSE(missing);
  EXPECT_NE(missing.Error().text.find("libQvNoSuchSdl-2.0.so.0"), std::string::npos)
      << missing.Error().text;

  const auto not_sdl = platform::posix::LoadSdlLibrary("libc.so.6");
  ASSERT_FALSE(not_sdl);
  EXPECT_NE(not_sdl.Error().text.find("SDL_SetHint"), std::string::npos) << not_sdl.Error().text;
}
