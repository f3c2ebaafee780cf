#include "ui/win32/Picture.h"

#include "Win32TestSupport.h"
#include "resources/GameResources.h"
#include "resources/ResourceIds.h"

namespace {

using ui::win32::Picture;

// Area averaging: each new pixel is the coverage-weighted mean of the source
// pixels under it, colours weighted by alpha (a transparent pixel lends no
// colour), the same size is a copy, and enlarging repeats a flat colour.
TEST(PictureTest, ScalingAveragesTheAreaCovered) {
  const Picture row{4, 1, {0xFFFF0000, 0xFFFF0000, 0xFF0000FF, 0xFF0000FF}};
  EXPECT_EQ(row.Scaled(2, 1).pixels, (std::vector<std::uint32_t>{0xFFFF0000, 0xFF0000FF}));
  EXPECT_EQ(row.Scaled(1, 1).pixels, std::vector<std::uint32_t>{0xFF800080});
  // Three greys into two: the middle one shared a third and a third.
  const Picture greys{3, 1, {0xFF000000, 0xFF5A5A5A, 0xFFB4B4B4}};
  EXPECT_EQ(greys.Scaled(2, 1).pixels, (std::vector<std::uint32_t>{0xFF1E1E1E, 0xFF969696}));
  // Down as across.
  const Picture column{1, 2, {0xFFFFFFFF, 0xFF000000}};
  EXPECT_EQ(column.Scaled(1, 1).pixels, std::vector<std::uint32_t>{0xFF808080});
  const Picture half_clear{2, 1, {0x00FF0000, 0xFF0000FF}};
  EXPECT_EQ(half_clear.Scaled(1, 1).pixels, std::vector<std::uint32_t>{0x800000FF});
  EXPECT_EQ(Picture({2, 1, {0, 0}}).Scaled(1, 1).pixels, std::vector<std::uint32_t>{0});
  EXPECT_EQ(row.Scaled(4, 1).pixels, row.pixels);
  const Picture flat = Picture{1, 1, {0xFF123456}}.Scaled(3, 2);
  EXPECT_EQ(flat.pixels, std::vector<std::uint32_t>(6, 0xFF123456));
  EXPECT_TRUE(row.Scaled(0, 1).pixels.empty());
}

// Both drawings of the banner decode, each as the format it is stored in,
// pixel for pixel; what is not such a file gives nothing.
TEST(PictureTest, DecodesBothDrawingsOfTheBanner) {
  const resources::GameResources resources;
  const auto banner = Picture::FromBitmapFile(resources.FindBitmap(resources::kBannerBitmap));
  const auto large = Picture::FromPngFile(resources.FindLargeBitmap(resources::kBannerBitmap));
  ASSERT_TRUE(banner && large);
  EXPECT_EQ(banner->width, 205);
  EXPECT_EQ(banner->height, 510);
  EXPECT_EQ(large->width, 410);
  EXPECT_EQ(large->height, 1020);
  // The rows from the top, opaque.
  const std::vector<std::uint8_t> file =
      win32test::BitmapFile(2, 2, [](int x, int y) { return y == 0 ? 0x102030u : x ? 0xA0B0C0u : 0u; });
  const auto small = Picture::FromBitmapFile(file);
  ASSERT_TRUE(small);
  EXPECT_EQ(small->pixels,
            (std::vector<std::uint32_t>{0xFF102030, 0xFF102030, 0xFF000000, 0xFFA0B0C0}));
  EXPECT_FALSE(Picture::FromPngFile(resources.FindBitmap(resources::kBannerBitmap)));
  EXPECT_FALSE(Picture::FromBitmapFile(resources.FindLargeBitmap(resources::kBannerBitmap)));
  const std::span<const std::uint8_t> png = resources.FindLargeBitmap(resources::kBannerBitmap);
  EXPECT_FALSE(Picture::FromPngFile(png.first(png.size() / 2)));
  EXPECT_FALSE(Picture::FromPngFile({}));
}

}  // namespace
