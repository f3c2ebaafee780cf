#pragma once

#include <cstddef>
#include <cstdint>

// The pictures drawn by scripts/make_images.py: the banner is Banner141.bmp and
// its drawing at twice the size Banner141Large.png, both embedded whole by the
// build; icon pixels (IconData.cpp) are 0xAARRGGBB, rows from the top.
namespace resources {

extern const std::uint8_t kBannerBitmapBytes[];
extern const std::size_t kBannerBitmapSize;
extern const std::uint8_t kLargeBannerBytes[];
extern const std::size_t kLargeBannerSize;

extern const std::uint32_t kAppIcon16[16 * 16];
extern const std::uint32_t kAppIcon32[32 * 32];
extern const std::uint32_t kAppIcon64[64 * 64];
extern const std::uint32_t kDirectXPresentIcon32[32 * 32];
extern const std::uint32_t kDirectXPresentIcon64[64 * 64];
extern const std::uint32_t kDirectXMissingIcon32[32 * 32];
extern const std::uint32_t kDirectXMissingIcon64[64 * 64];

}  // namespace resources
