#include "ui/qt/ResourceImages.h"

#include <cstdlib>

#include <QBuffer>
#include <QByteArray>
#include <QImageReader>
#include <QPaintDevice>
#include <QPainter>
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

// Read as `format` only: guessing the format from the content would load
// every image plugin (and the libraries they link) at the first decode, a
// millisecond of the start-up for formats the resources never use.
QImage Decode(std::span<const std::uint8_t> file, const char* format) {
  if (file.empty()) {
    return {};
  }
  QByteArray bytes = QByteArray::fromRawData(reinterpret_cast<const char*>(file.data()),
                                             static_cast<qsizetype>(file.size()));
  QBuffer buffer(&bytes);
  buffer.open(QIODevice::ReadOnly);
  QImageReader reader(&buffer, format);
  reader.setAutoDetectImageFormat(false);
  return reader.read();
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
  return Decode(ResourceSet::s_instance->FindBitmap(bitmap_id), "BMP");
}

QImage LoadLargeBitmap(int bitmap_id) {
  if (ResourceSet::s_instance == nullptr) {
    return {};
  }
  return Decode(ResourceSet::s_instance->FindLargeBitmap(bitmap_id), "PNG");
}

QImage ScaleForTarget(const QImage& image, const QRect& target, qreal device_pixel_ratio) {
  const QSize pixels(qRound(target.width() * device_pixel_ratio),
                     qRound(target.height() * device_pixel_ratio));
  if (image.isNull() || pixels.isEmpty()) {
    return {};
  }
  // Within a pixel of the size, pixels are copied as they are (one row or
  // column repeated) rather than blurred across the whole picture.
  const bool near = std::abs(image.width() - pixels.width()) <= 1 &&
                    std::abs(image.height() - pixels.height()) <= 1;
  QImage scaled = image.size() == pixels
                      ? image
                      : image.scaled(pixels, Qt::IgnoreAspectRatio,
                                     near ? Qt::FastTransformation : Qt::SmoothTransformation);
  scaled.setDevicePixelRatio(device_pixel_ratio);
  return scaled;
}

void DrawIcon(QPainter& painter, int icon_id, const QRect& target) {
  const qreal ratio = painter.device() != nullptr ? painter.device()->devicePixelRatioF() : 1.0;
  const QImage image = LoadIconImage(icon_id, qRound(target.width() * ratio));
  const QImage scaled = ScaleForTarget(image, target, ratio);
  if (!scaled.isNull()) {
    painter.drawImage(target.topLeft(), scaled);
  }
}

}  // namespace ui::qt
