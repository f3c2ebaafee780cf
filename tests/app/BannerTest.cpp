#include <gtest/gtest.h>

#include <vector>

#include "app/Banner.h"
#include "ui/PaintContext.h"
#include "ui/ResourceSet.h"

namespace {

// Resources holding only bitmap 141; a paint context recording the stretches.
struct BitmapOnly final : ui::ResourceSet, ui::PaintContext {
  std::optional<std::string_view> FindString(unsigned) const override { return std::nullopt; }
  const ui::DialogTemplate* FindDialog(int) const override { return nullptr; }
  const ui::IconResource* FindIcon(int) const override { return nullptr; }
  std::span<const std::uint8_t> FindBitmap(int id) const override {
    return id == 141 ? std::span<const std::uint8_t>(m_bitmap) : std::span<const std::uint8_t>();
  }
  bool IsMinimized() const override { return false; }
  void StretchBitmapToControl(int control_id, int bitmap_id) override {
    m_calls.push_back({control_id, bitmap_id});
  }
  void DrawIconCentered(int) override {}
  std::vector<std::uint8_t> m_bitmap;
  std::vector<std::pair<int, int>> m_calls;
};

// A usable bitmap is stretched into the frame on every paint; a missing or
// broken one leaves the frame empty.
TEST(Banner, PaintsOnlyALoadedBitmap) {
  BitmapOnly env;
  env.m_bitmap.assign(54, 0);
  env.m_bitmap[0] = 'B';
  env.m_bitmap[1] = 'M';
  Banner banner;
  ASSERT_TRUE(banner.Load(141));
  banner.Paint(env, 1012);
  banner.Paint(env, 1012);
  EXPECT_EQ(env.m_calls, (std::vector<std::pair<int, int>>{{1012, 141}, {1012, 141}}));

  env.m_calls.clear();
  EXPECT_FALSE(banner.Load(140));
  banner.Paint(env, 1012);
  env.m_bitmap[0] = 'X';
  EXPECT_FALSE(banner.Load(141));
  banner.Paint(env, 1012);
  env.m_bitmap.assign({'B', 'M', 0});
  EXPECT_FALSE(banner.Load(141));
  banner.Paint(env, 1012);
  EXPECT_TRUE(env.m_calls.empty());
}

}  // namespace
