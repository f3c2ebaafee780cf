#include "resources/GameResources.h"

#include <gtest/gtest.h>

#include <array>
#include <cstdint>
#include <span>
#include <string>

#include "resources/ResourceIds.h"
#include "ui/IconResource.h"

namespace {

// Bitmap 141 is a complete 205 x 510, 24-bit, uncompressed BMP file, not a
// flat fill, with a PNG drawing of 410 x 1020 for denser screens; the icons
// decode at their declared sizes (each also drawn at 64 pixels).
TEST(GameImages, BannerBitmapAndIconsDecode) {
  resources::GameResources set;
  const std::span<const std::uint8_t> bmp = set.FindBitmap(resources::kBannerBitmap);
  auto read = [&](std::size_t at, int size = 4) {  // little-endian
    std::uint32_t value = 0;
    for (int i = size - 1; i >= 0; --i) value = value << 8 | bmp[at + i];
    return value;
  };
  ASSERT_GT(bmp.size(), 54u);
  // "BM", file size, info header size, width, height, planes, bits, compression
  EXPECT_EQ((std::array{read(0, 2), read(2), read(14), read(18), read(22), read(26, 2), read(28, 2),
                        read(30)}),
            (std::array<std::uint32_t, 8>{0x4D42, static_cast<std::uint32_t>(bmp.size()), 40, 205,
                                          510, 1, 24, 0}));
  const std::uint32_t offset = read(10);
  EXPECT_EQ(offset + (205 * 3 + 3) / 4 * 4 * 510, bmp.size());
  std::size_t differing = 0;
  for (std::size_t i = offset + 3; i < bmp.size(); i += 3) differing += bmp[i] != bmp[offset];
  EXPECT_GT(differing, bmp.size() / 10);
  EXPECT_TRUE(set.FindBitmap(140).empty());
  const std::span<const std::uint8_t> png = set.FindLargeBitmap(resources::kBannerBitmap);
  auto big_endian = [&](std::size_t at) {
    return std::uint32_t{png[at]} << 24 | png[at + 1] << 16 | png[at + 2] << 8 | png[at + 3];
  };
  ASSERT_GT(png.size(), 33u);
  EXPECT_EQ(std::string(png.begin() + 1, png.begin() + 4) +
                std::string(png.begin() + 12, png.begin() + 16),
            "PNGIHDR");
  EXPECT_EQ((std::array{big_endian(16), big_endian(20)}),
            (std::array<std::uint32_t, 2>{410, 1020}));
  EXPECT_TRUE(set.FindLargeBitmap(140).empty());

  const ui::IconResource* app = set.FindIcon(resources::kAppIcon);
  ASSERT_NE(app, nullptr);
  ASSERT_EQ(app->images.size(), 3u);
  EXPECT_EQ(app->ImageForSize(16)->width, 16);
  EXPECT_EQ(app->ImageForSize(48)->width, 64);  // shrunk rather than enlarged
  EXPECT_EQ(app->ImageForSize(128)->width, 64);
  for (int id : {resources::kDirectXPresentIcon, resources::kDirectXMissingIcon}) {
    const ui::IconResource* icon = set.FindIcon(id);
    ASSERT_TRUE(icon && icon->images.size() == 2 && icon->images[1].width == 64) << id;
    EXPECT_EQ((std::array{icon->images[0].width, icon->images[0].height}), (std::array{32, 32}));
  }
  EXPECT_EQ(set.FindIcon(129), nullptr);
}

}  // namespace
