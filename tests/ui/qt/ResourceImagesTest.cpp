#include "ui/qt/ResourceImages.h"

#include <gtest/gtest.h>

#include <QImage>

#include <cstdint>
#include <span>

#include "QtTestSupport.h"
#include "resources/GameResources.h"
#include "resources/ResourceIds.h"

// The program's banner decodes from both its pictures, each read as the
// format it is stored in; an id without a picture gives a null image.
TEST(ResourceImagesTest, BannerDecodesFromBothPictures) {
  qttest::EnsureApplication();
  const resources::GameResources resources;
  const QImage banner = ui::qt::LoadBitmap(resources::kBannerBitmap);
  const QImage large = ui::qt::LoadLargeBitmap(resources::kBannerBitmap);
  // The very pixels the toolkit's own guessing reader gives (the sizes are
  // the resource test's).
  ASSERT_FALSE(banner.isNull());
  ASSERT_FALSE(large.isNull());
  const auto guessed = [](std::span<const std::uint8_t> file) {
    return QImage::fromData(file.data(), static_cast<int>(file.size()));
  };
  EXPECT_EQ(banner, guessed(resources.FindBitmap(resources::kBannerBitmap)));
  EXPECT_EQ(large, guessed(resources.FindLargeBitmap(resources::kBannerBitmap)));
  EXPECT_TRUE(ui::qt::LoadBitmap(140).isNull());
  EXPECT_TRUE(ui::qt::LoadLargeBitmap(140).isNull());
}
