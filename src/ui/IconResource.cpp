#include "ui/IconResource.h"

namespace ui {

const IconImage* IconResource::ImageForSize(int width) const {
  const IconImage* wider = nullptr;
  const IconImage* largest = nullptr;
  for (const IconImage& image : images) {
    if (image.width == width) {
      return &image;
    }
    if (image.width > width && (wider == nullptr || image.width < wider->width)) {
      wider = &image;
    }
    if (largest == nullptr || image.width > largest->width) {
      largest = &image;
    }
  }
  return wider != nullptr ? wider : largest;
}

}  // namespace ui
