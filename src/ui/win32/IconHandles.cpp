#include "ui/win32/IconHandles.h"

#include <algorithm>
#include <cstdint>
#include <vector>

#include "ui/IconImage.h"
#include "ui/IconResource.h"
#include "ui/ResourceSet.h"

namespace ui::win32 {
namespace {

// A 32-bit colour bitmap with its alpha channel, and an empty mask: the
// system draws such an icon by its alpha alone.
HICON CreateIconFromImage(const IconImage& image) {
  if (image.pixels == nullptr || image.width <= 0 || image.height <= 0) {
    return nullptr;
  }
  BITMAPINFO info{};
  info.bmiHeader.biSize = sizeof(BITMAPINFOHEADER);
  info.bmiHeader.biWidth = image.width;
  info.bmiHeader.biHeight = -image.height;  // rows from the top, as the image keeps them
  info.bmiHeader.biPlanes = 1;
  info.bmiHeader.biBitCount = 32;
  info.bmiHeader.biCompression = BI_RGB;
  void* bits = nullptr;
  HDC screen = GetDC(nullptr);
  HBITMAP color = CreateDIBSection(screen, &info, DIB_RGB_COLORS, &bits, nullptr, 0);
  ReleaseDC(nullptr, screen);
  if (color == nullptr) {
    return nullptr;
  }
  // 0xAARRGGBB is the bitmap's own byte order (blue first) on this system.
  const std::size_t count =
      static_cast<std::size_t>(image.width) * static_cast<std::size_t>(image.height);
  std::copy(image.pixels, image.pixels + count, static_cast<std::uint32_t*>(bits));
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
  const IconResource* resource =
      ResourceSet::s_instance != nullptr ? ResourceSet::s_instance->FindIcon(icon_id) : nullptr;
  const IconImage* image = resource != nullptr ? resource->ImageForSize(size) : nullptr;
  HICON icon = image != nullptr ? CreateIconFromImage(*image) : nullptr;
  // A missing icon is not looked up again either.
  m_icons.emplace(key, icon);
  return icon;
}

}  // namespace ui::win32
