#include "ui/qt/ResourceImages.h"

#include <QPixmap>

#include "ui/IconImage.h"
#include "ui/IconResource.h"
#include "ui/ResourceSet.h"

namespace ui::qt {
namespace {

const IconResource* FindIcon(int icon_id) {
  return ResourceSet::s_instance != nullptr ? ResourceSet::s_instance->FindIcon(icon_id) : nullptr;
}

QImage ToImage(const IconImage& image) {
  if (image.pixels == nullptr || image.width <= 0 || image.height <= 0) {
    return {};
  }
  QImage converted(image.width, image.height, QImage::Format_ARGB32);
  for (int y = 0; y < image.height; ++y) {
    auto* row = reinterpret_cast<QRgb*>(converted.scanLine(y));
    for (int x = 0; x < image.width; ++x) {
      row[x] = image.pixels[static_cast<std::size_t>(y) * static_cast<std::size_t>(image.width) +
                            static_cast<std::size_t>(x)];
    }
  }
  return converted;
}

}  // namespace

QIcon LoadIcon(int icon_id) {
  QIcon icon;
  if (const IconResource* resource = FindIcon(icon_id)) {
    for (const IconImage& image : resource->images) {
      const QImage converted = ToImage(image);
      if (!converted.isNull()) {
        icon.addPixmap(QPixmap::fromImage(converted));
      }
    }
  }
  return icon;
}

QImage LoadIconImage(int icon_id, int size) {
  const IconResource* resource = FindIcon(icon_id);
  if (resource == nullptr) {
    return {};
  }
  const IconImage* image = resource->ImageForSize(size);
  return image != nullptr ? ToImage(*image) : QImage();
}

QImage LoadBitmap(int bitmap_id) {
  if (ResourceSet::s_instance == nullptr) {
    return {};
  }
  const std::span<const std::uint8_t> file = ResourceSet::s_instance->FindBitmap(bitmap_id);
  if (file.empty()) {
    return {};
  }
  QImage image;
  if (!image.loadFromData(file.data(), static_cast<int>(file.size()), "BMP")) {
    return {};
  }
  return image;
}

}  // namespace ui::qt
