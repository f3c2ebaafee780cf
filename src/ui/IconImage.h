#pragma once

#include <cstdint>

namespace ui {

// One image of an icon resource: width * height pixels, rows from the top,
// each pixel 0xAARRGGBB (straight, not premultiplied alpha).
struct IconImage {
  int width = 0;
  int height = 0;
  const std::uint32_t* pixels = nullptr;
};

}  // namespace ui
