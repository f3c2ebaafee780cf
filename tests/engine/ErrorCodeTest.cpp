#include "engine/ErrorCode.h"

#include <gtest/gtest.h>

#include <utility>

// Engine codes are found with bits 20-27 and 30-31 ignored; other codes are looked up unchanged;
// gaps and neighbours outside the table fall through.
TEST(ErrorCodeText, TextsOfEngineAndSystemCodes) {
  const std::pair<std::uint32_t, const char*> cases[] = {
      {0x30010010, "File %s not found"},
      {0x30A10010, "File %s not found"},
      {0xF0010010, "File %s not found"},
      {0x00000000, "No Error"},
      {0x80004003, "E_POINTER (invalid pointer)"}};
  for (const auto& [code, text] : cases) {
    EXPECT_STREQ(ErrorCode(code).GetText(), text) << std::hex << code;
  }
  for (std::uint32_t gap : {0x3001000Au, 0x20010010u}) {
    EXPECT_STREQ(ErrorCode(gap).GetText(), "Unrecognized error value.") << std::hex << gap;
  }
}
