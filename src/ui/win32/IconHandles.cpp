#include "ui/win32/IconHandles.h"

#include <algorithm>
#include <cstdint>
#include <vector>

#include "ui/win32/BitmapPainter.h"
#include "ui/win32/ResourcePictures.h"

namespace ui::win32 {
namespace {

// A 32-bit colour bitmap with its alpha channel, and an empty mask: the
// system draws such an icon by its alpha alone.
HICON CreateIconFromImage(const Picture& image) {
  if (image.pixels.empty() || image.width <= 0 || image.height <= 0) {
    return nullptr;
  }
  const BITMAPINFO info = BitmapPainter::PictureInfo(image.width, image.height);
  void* bits = nullptr;
  HDC screen = GetDC(nullptr);
  HBITMAP color = CreateDIBSection(screen, &info, DIB_RGB_COLORS, &bits, nullptr, 0);
  ReleaseDC(nullptr, screen);
  if (color == nullptr) {
    return nullptr;
  }
  // 0xAARRGGBB is the bitmap's own byte order (blue first) on this system.
  std::copy(image.pixels.begin(), image.pixels.end(), static_cast<std::uint32_t*>(bits));
  // Rows of whole words, all clear.
  const std::vector<std::uint8_t> clear(static_cast<std::size_t>((image.width + 15) / 16 * 2) *
                                        static_cast<std::size_t>(image.height));
  HBITMAP mask = CreateBitmap(image.width, image.height, 1, 1, clear.data());
  ICONINFO icon{};
  icon.fIcon = TRUE;
  icon.hbmColor = color;
  icon.hbmMask = mask;
  HICON result = mask != nullptr ? CreateIconIndirect(&icon) : nullptr;
  DeleteObject(color);
  if (mask != nullptr) DeleteObject(mask);
  return result;
}

}  // namespace

IconHandles::~IconHandles() {
  for (const auto& [key, icon] : m_icons) {
    if (icon != nullptr) DestroyIcon(icon);
  }
}

HICON IconHandles::Get(int icon_id, int size) {
  const auto key = std::make_pair(icon_id, size);
  if (auto it = m_icons.find(key); it != m_icons.end()) {
    return it->second;
  }
  // Made at the very size it is drawn, so that the system never stretches it.
  HICON icon = CreateIconFromImage(IconForSize(icon_id, size));
  // A missing icon is not looked up again either.
  m_icons.emplace(key, icon);
  return icon;
}

}  // namespace ui::win32
