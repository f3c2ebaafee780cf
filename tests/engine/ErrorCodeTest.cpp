#include "engine/ErrorCode.h"

#include <gtest/gtest.h>

#include <utility>

#include "platform/LastError.h"

// Engine codes are found with bits 20-27 and 30-31 ignored; DirectX and COM codes are looked up
// unchanged; gaps and neighbours outside the table fall through.
TEST(ErrorCodeText, TextsOfEngineAndDirectXCodes) {
  const std::pair<std::uint32_t, const char*> cases[] = {
      {0x30010010, "File %s not found"}, {0x30A10010, "File %s not found"},
      {0xF0010010, "File %s not found"}, {0x3001001D, "Device %s is read only"},
      {0x30070003, "Note track data '%s' out of sequence"}, {0x00000000, "No Error"},
      {0x80004003, "E_POINTER (invalid pointer)"}, {0x8876025A, "DDERR_NOFOCUSWINDOW"},
      {0x88760180, "Can only have ony color key active at one time for overlays."},
      {0x887601C2,
       "Access to this surface is being refused because the surface memory is gone.\n"
       "The DirectDrawSurface object representing this surface should have Restore called on it."},
      {0x887602BC, "D3DERR_BADMAJORVERSION"}, {0x88760800, "D3DERR_INVALIDVERTEXFORMAT"},
      {0x88760826, "D3DERR_CONFLICTINGTEXTUREPALETTE"}};
  for (const auto& [code, text] : cases) {
    EXPECT_STREQ(ErrorCode(code).GetText(), text) << std::hex << code;
  }
  EXPECT_STREQ(ErrorCode(0x8876017C).GetText(), ErrorCode(0x8007000E).GetText());
  for (std::uint32_t gap : {0x3001000Au, 0x30000000u, 0x20010010u, 0x80004006u, 0x8876025Bu,
                            0x887602BEu, 0x88760827u, 0x88760801u}) {
    EXPECT_STREQ(ErrorCode(gap).GetText(), "Unrecognized error value.") << std::hex << gap;
  }
  // The last system error is taken unchanged and has no text.
  platform::SetLastError(2);
  const ErrorCode code = ErrorCode::FromLastError();
  EXPECT_EQ(code.GetCode(), 2u);
  EXPECT_STREQ(code.GetText(), "Unrecognized error value.");
}
