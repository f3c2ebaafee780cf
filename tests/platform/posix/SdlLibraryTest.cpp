#include "platform/posix/SdlLibrary.h"

#include <dlfcn.h>
#include <gtest/gtest.h>

#include <string>

namespace {

std::string LibraryOf(const void* address) {
  Dl_info info{};
  if (dladdr(address, &info) == 0 || info.dli_fname == nullptr) return {};
  return info.dli_fname;
}

}  // namespace

// A library that is missing, or lacks a function, is no SDL: the error says
// which, so the gamepad system can report why it did not start.
TEST(SdlLibraryTest, MissingLibraryOrFunctionIsAnError) {
  const auto missing = platform::posix::LoadSdlLibrary("libQvNoSuchSdl-2.0.so.0");
  ASSERT_FALSE(missing);
  EXPECT_NE(missing.Error().text.find("libQvNoSuchSdl-2.0.so.0"), std::string::npos)
      << missing.Error().text;

  const auto not_sdl = platform::posix::LoadSdlLibrary("libc.so.6");
  ASSERT_FALSE(not_sdl);
  EXPECT_NE(not_sdl.Error().text.find("SDL_SetHint"), std::string::npos) << not_sdl.Error().text;
}

// The process's SDL resolves every function, and from the very library this
// test links for its virtual pads: pads attached there are the backend's.
TEST(SdlLibraryTest, ProcessLibraryIsTheLinkedOne) {
  const auto loaded = platform::posix::SdlLibraryForThisProcess();
  ASSERT_TRUE(loaded) << loaded.Error().text;
  const platform::posix::SdlLibrary& sdl = **loaded;
#define QV_EXPECT_RESOLVED(name) EXPECT_NE(sdl.name, nullptr) << #name;
  QV_SDL_FUNCTIONS(QV_EXPECT_RESOLVED)
#undef QV_EXPECT_RESOLVED
  const std::string linked = LibraryOf(reinterpret_cast<const void*>(&SDL_NumJoysticks));
  ASSERT_NE(linked.find("libSDL2"), std::string::npos) << linked;
  EXPECT_EQ(LibraryOf(reinterpret_cast<const void*>(sdl.SDL_NumJoysticks)), linked);
  EXPECT_EQ(sdl.SDL_NumJoysticks, &SDL_NumJoysticks);

  const auto again = platform::posix::SdlLibraryForThisProcess();
  ASSERT_TRUE(again);
  EXPECT_EQ(*again, *loaded);
}
