#include "ui/win32/ResourcePictures.h"

#include "ui/IconImage.h"
#include "ui/IconResource.h"
#include "ui/ResourceSet.h"

namespace ui::win32 {

Picture BitmapForSize(int bitmap_id, int width, int height) {
  const ResourceSet* resources = ResourceSet::s_instance;
  if (resources == nullptr) {
    return {};
  }
  std::optional<Picture> picture = Picture::FromBitmapFile(resources->FindBitmap(bitmap_id));
  if (!picture || width > picture->width * 5 / 4) {
    if (std::optional<Picture> large =
            Picture::FromPngFile(resources->FindLargeBitmap(bitmap_id))) {
      picture = std::move(large);
    }
  }
  return picture ? picture->Scaled(width, height) : Picture();
}

Picture IconForSize(int icon_id, int size) {
  const IconResource* resource =
      ResourceSet::s_instance != nullptr ? ResourceSet::s_instance->FindIcon(icon_id) : nullptr;
  const IconImage* image = resource != nullptr ? resource->ImageForSize(size) : nullptr;
  if (image == nullptr || image->pixels == nullptr || image->width <= 0 || image->height <= 0) {
    return {};
  }
  Picture picture{image->width, image->height, {}};
  picture.pixels.assign(image->pixels, image->pixels + static_cast<std::size_t>(image->width) *
                                                           static_cast<std::size_t>(image->height));
  return picture.Scaled(size, size);
}

}  // namespace ui::win32
