#include "app/Banner.h"

#include <cstddef>
#include <cstdint>
#include <span>

#include "ui/PaintContext.h"
#include "ui/ResourceSet.h"

namespace {

// A bitmap file: "BM", the file header (14 bytes), then at least the
// 40-byte information header.
constexpr std::size_t kMinimumBitmapSize = 14 + 40;

}  // namespace

bool Banner::Load(int bitmap_id) {
  m_bitmap_id = 0;
  if (ui::ResourceSet::s_instance == nullptr) {
    return false;
  }
  const std::span<const std::uint8_t> bitmap = ui::ResourceSet::s_instance->FindBitmap(bitmap_id);
  if (bitmap.size() < kMinimumBitmapSize || bitmap[0] != 'B' || bitmap[1] != 'M') {
    return false;
  }
  // No palette is built: the banner has more than 256 colours, which calls
  // for the screen's halftone palette, and that only matters on a
  // palette-based display. Every display our backends draw on is true
  // colour, where the pixels are copied as they are.
  m_bitmap_id = bitmap_id;
  return true;
}

void Banner::Paint(ui::PaintContext& context, int frame_control_id) const {
  if (IsLoaded()) {
    context.StretchBitmapToControl(frame_control_id, m_bitmap_id);
  }
}
