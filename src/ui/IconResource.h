#pragma once

#include <span>

#include "ui/IconImage.h"

namespace ui {

// An icon resource: one image per size, smallest first.
struct IconResource {
  int id = 0;
  std::span<const IconImage> images;

  // The image of exactly this width, else the smallest wider one (shrinking
  // loses less than enlarging), else the largest; nullptr when empty.
  const IconImage* ImageForSize(int width) const;
};

}  // namespace ui
