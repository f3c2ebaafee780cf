#include <gtest/gtest.h>

#include <vector>

#include "app/Banner.h"
#include "ui/PaintContext.h"
#include "ui/ResourceSet.h"

namespace {

class BitmapOnlyResources final : public ui::ResourceSet {
 public:
  std::optional<std::string_view> FindString(unsigned) const override { return std::nullopt; }
  const ui::DialogTemplate* FindDialog(int) const override { return nullptr; }
  const ui::IconResource* FindIcon(int) const override { return nullptr; }
  std::span<const std::uint8_t> FindBitmap(int id) const override {
    return id == 141 ? std::span<const std::uint8_t>(m_bitmap) : std::span<const std::uint8_t>();
  }
  std::vector<std::uint8_t> m_bitmap;
};

class RecordingPaint final : public ui::PaintContext {
 public:
  bool IsMinimized() const override { return false; }
  void StretchBitmapToControl(int control_id, int bitmap_id) override {
    m_calls.push_back({control_id, bitmap_id});
  }
  void DrawIconCentered(int) override {}
  std::vector<std::pair<int, int>> m_calls;
};

// A usable bitmap is stretched into the frame on every paint; a missing or
// broken one leaves the frame empty.
TEST(Banner, PaintsOnlyALoadedBitmap) {
  BitmapOnlyResources resources;
  resources.m_bitmap.assign(54, 0);
  resources.m_bitmap[0] = 'B';
  resources.m_bitmap[1] = 'M';

  Banner banner;
  ASSERT_TRUE(banner.Load(141));
  RecordingPaint paint;
  banner.Paint(paint, 1012);
  banner.Paint(paint, 1012);
  EXPECT_EQ(paint.m_calls, (std::vector<std::pair<int, int>>{{1012, 141}, {1012, 141}}));

  RecordingPaint nothing;
  EXPECT_FALSE(banner.Load(140));
  banner.Paint(nothing, 1012);
  resources.m_bitmap[0] = 'X';
  EXPECT_FALSE(banner.Load(141));
  banner.Paint(nothing, 1012);
  resources.m_bitmap.assign({'B', 'M', 0});
  EXPECT_FALSE(banner.Load(141));
  banner.Paint(nothing, 1012);
  EXPECT_TRUE(nothing.m_calls.empty());
}

}  // namespace
