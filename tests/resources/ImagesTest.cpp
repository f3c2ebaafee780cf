#include "resources/GameResources.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <span>
#include <utility>

#include "resources/ResourceIds.h"
#include "ui/IconResource.h"

namespace {

// The little-endian number of `size` bytes at `at`.
std::uint32_t Read(std::span<const std::uint8_t> bytes, std::size_t at, int size = 4) {
  std::uint32_t value = 0;
  for (int i = size - 1; i >= 0; --i) value = value << 8 | bytes[at + i];
  return value;
}

// The banner is a complete, self-consistent 205 x 510, 24-bit, uncompressed
// BMP file, and not a flat fill.
TEST(GameImages, BannerIsAn24BitUncompressedBmp) {
  resources::GameResources set;
  const std::span<const std::uint8_t> bmp = set.FindBitmap(resources::kBannerBitmap);
  ASSERT_GT(bmp.size(), 54u);
  EXPECT_EQ(Read(bmp, 0, 2), 0x4D42u);  // "BM"
  EXPECT_EQ(Read(bmp, 2), bmp.size());
  const std::uint32_t offset = Read(bmp, 10);
  EXPECT_EQ(Read(bmp, 14), 40u);  // info header size
  EXPECT_EQ(static_cast<std::int32_t>(Read(bmp, 18)), 205);
  EXPECT_EQ(static_cast<std::int32_t>(Read(bmp, 22)), 510);
  EXPECT_EQ(Read(bmp, 26, 2), 1u);
  EXPECT_EQ(Read(bmp, 28, 2), 24u);
  EXPECT_EQ(Read(bmp, 30), 0u);  // uncompressed
  EXPECT_EQ(Read(bmp, 46), 0u);  // no colour table: 2^24 colours
  const std::size_t row = (205 * 3 + 3) / 4 * 4;
  EXPECT_EQ(offset + row * 510, bmp.size());
  std::size_t differing = 0;
  for (std::size_t i = offset + 3; i < bmp.size(); i += 3) differing += bmp[i] != bmp[offset];
  EXPECT_GT(differing, bmp.size() / 10);
  EXPECT_TRUE(set.FindBitmap(140).empty());
}

// Icons: sizes as declared, a transparent corner, and the status icons'
// discs green and red at their edge.
TEST(GameImages, IconsHaveTheirSizesAndColours) {
  resources::GameResources set;
  const ui::IconResource* app = set.FindIcon(resources::kAppIcon);
  ASSERT_NE(app, nullptr);
  ASSERT_EQ(app->images.size(), 2u);
  EXPECT_EQ(app->ImageForSize(16)->width, 16);
  EXPECT_EQ(app->ImageForSize(32)->height, 32);
  EXPECT_EQ(app->ImageForSize(48)->width, 32);
  auto pixel = [](const ui::IconImage& image, int x, int y) {
    return image.pixels[y * image.width + x];
  };
  for (int id : {resources::kDirectXPresentIcon, resources::kDirectXMissingIcon}) {
    const ui::IconResource* icon = set.FindIcon(id);
    ASSERT_NE(icon, nullptr) << id;
    ASSERT_EQ(icon->images.size(), 1u);
    const ui::IconImage& image = icon->images[0];
    ASSERT_EQ((std::pair{image.width, image.height}), (std::pair{32, 32}));
    EXPECT_EQ(pixel(image, 0, 0) >> 24, 0u) << id;  // transparent corner
    // Just inside the rim on the left, away from the mark: the disc's colour.
    const std::uint32_t p = pixel(image, 4, 16);
    const int red = (p >> 16) & 0xFF, green = (p >> 8) & 0xFF;
    EXPECT_EQ(p >> 24, 0xFFu);
    EXPECT_GT(id == resources::kDirectXPresentIcon ? green - red : red - green, 60) << id;
    // The mark through the centre is dark.
    const std::uint32_t centre = pixel(image, 16, 16);
    EXPECT_LT(((centre >> 16) & 0xFF) + ((centre >> 8) & 0xFF) + (centre & 0xFF), 150u) << id;
  }
  EXPECT_EQ(set.FindIcon(129), nullptr);
}

}  // namespace
