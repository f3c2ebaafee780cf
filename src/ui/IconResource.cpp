#include "ui/IconResource.h"

namespace ui {

const IconImage* IconResource::ImageForSize(int width) const {
  const IconImage* largest = nullptr;
  for (const IconImage& image : images) {
    if (image.width == width) {
      return &image;
    }
    if (largest == nullptr || image.width > largest->width) {
      largest = &image;
    }
  }
  return largest;
}

}  // namespace ui
