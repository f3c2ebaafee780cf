#include "engine/ErrorCode.h"

#include <gtest/gtest.h>

#include <set>
#include <string>
#include <utility>
#include <vector>

#include "platform/LastError.h"

namespace {

constexpr const char* kUnrecognized = "Unrecognized error value.";

std::string TextOf(std::uint32_t code) {
  return ErrorCode(code).GetText();
}

// The DirectX result codes that have a text, as runs of consecutive codes.
std::set<std::uint32_t> DirectXCodes() {
  const std::vector<std::pair<std::uint32_t, std::uint32_t>> runs = {
      {0x00000000, 0x00000000}, {0x80004001, 0x80004005}, {0x8000FFFF, 0x8000FFFF},
      {0x800401F0, 0x800401F0}, {0x80040207, 0x80040207}, {0x80070005, 0x80070006},
      {0x8007000C, 0x8007000C}, {0x8007000E, 0x8007000E}, {0x80070015, 0x80070015},
      {0x8007001E, 0x8007001E}, {0x80070057, 0x80070057}, {0x88760230, 0x88760250},
      {0x88760258, 0x8876025A}, {0x887602BB, 0x887602BD}, {0x887602C6, 0x887602CD},
      {0x887602D0, 0x887602EB}, {0x887602EE, 0x887602F0}, {0x887602F8, 0x887602FB},
      {0x88760302, 0x88760307}, {0x8876080C, 0x8876080E}, {0x88760816, 0x8876081F},
      {0x88760821, 0x88760826}};
  const std::vector<std::uint32_t> singles = {
      0x005, 0x00A, 0x014, 0x028, 0x037, 0x05A, 0x05F, 0x064, 0x06E, 0x078, 0x082, 0x091,
      0x096, 0x0A0, 0x0AA, 0x0B4, 0x0CD, 0x0D2, 0x0D4, 0x0D7, 0x0DC, 0x0DE, 0x0E1, 0x0E6,
      0x0F0, 0x0FA, 0x0FF, 0x104, 0x10E, 0x118, 0x122, 0x136, 0x13C, 0x13D, 0x140, 0x14A,
      0x14F, 0x154, 0x15E, 0x168, 0x17C, 0x17E, 0x180, 0x183, 0x190, 0x19A, 0x1A4, 0x1AE,
      0x1B3, 0x1B8, 0x1C2, 0x1CC, 0x1D6, 0x1E0, 0x1EA, 0x1FE, 0x208, 0x209, 0x219, 0x21C,
      0x26C, 0x276, 0x280, 0x294, 0x2A8, 0x2B2, 0x2B3, 0x2B7, 0x800, 0x802};
  std::set<std::uint32_t> codes;
  for (auto [first, last] : runs) {
    for (std::uint32_t code = first; code <= last; ++code) codes.insert(code);
  }
  for (std::uint32_t low : singles) codes.insert(0x88760000 | low);
  return codes;
}

}  // namespace

// Engine codes are found with bits 20-27 and 30-31 ignored; gaps fall through;
// the last system error is taken unchanged and has no text.
TEST(ErrorCodeText, EngineCodesAreMasked) {
  EXPECT_EQ(TextOf(0x30010010), "File %s not found");
  EXPECT_EQ(TextOf(0x30A10010), "File %s not found");
  EXPECT_EQ(TextOf(0xF0010010), "File %s not found");
  EXPECT_EQ(TextOf(0x3001001D), "Device %s is read only");
  EXPECT_EQ(TextOf(0x30070003), "Note track data '%s' out of sequence");
  EXPECT_EQ(TextOf(0x00000000), "No Error");
  for (std::uint32_t gap : {0x3001000Au, 0x30000000u, 0x20010010u}) {
    EXPECT_EQ(TextOf(gap), kUnrecognized) << std::hex << gap;
  }
  platform::SetLastError(2);
  const ErrorCode code = ErrorCode::FromLastError();
  EXPECT_EQ(code.GetCode(), 2u);
  EXPECT_EQ(std::string(code.GetText()), kUnrecognized);
}

// Exactly the 193 DirectX codes have texts, in one of the three forms.
TEST(ErrorCodeText, DirectXTableCoversItsCodesAndNoOthers) {
  const std::set<std::uint32_t> codes = DirectXCodes();
  ASSERT_EQ(codes.size(), 193u);
  for (std::uint32_t code : codes) {
    EXPECT_STRNE(ErrorCode(code).GetText(), kUnrecognized) << std::hex << code;
    if (code >= 0x887602BC) {
      const std::string text = TextOf(code);
      EXPECT_EQ(text.rfind("D3DERR_", 0), 0u) << std::hex << code;
      EXPECT_EQ(text.find_first_of(" :"), std::string::npos) << text;
    }
    // Neighbours that are not in the table have no text.
    for (std::uint32_t near : {code - 1, code + 1}) {
      if (codes.count(near) == 0 && (near & 0x300FFFFF) != 0) {
        EXPECT_EQ(TextOf(near), kUnrecognized) << std::hex << near;
      }
    }
  }
  EXPECT_EQ(TextOf(0x80004003), "E_POINTER (invalid pointer)");
  EXPECT_EQ(TextOf(0x8876017C), TextOf(0x8007000E));
  EXPECT_EQ(TextOf(0x88760180), "Can only have ony color key active at one time for overlays.");
  EXPECT_EQ(TextOf(0x887601C2),
            "Access to this surface is being refused because the surface memory is gone.\n"
            "The DirectDrawSurface object representing this surface should have Restore called "
            "on it.");
  EXPECT_EQ(TextOf(0x88760800), "D3DERR_INVALIDVERTEXFORMAT");
}
