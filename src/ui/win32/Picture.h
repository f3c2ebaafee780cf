#pragma once

#include <cstdint>
#include <optional>
#include <span>
#include <vector>

namespace ui::win32 {

// A picture as 32-bit pixels, rows from the top, each 0xAARRGGBB with
// straight alpha: the memory layout of a top-down 32-bit DIB on this system.
struct Picture {
  int width = 0;
  int height = 0;
  std::vector<std::uint32_t> pixels;

  // A bitmap file (a BMP with its file header); nullopt when the painter
  // refuses it.
  static std::optional<Picture> FromBitmapFile(std::span<const std::uint8_t> file);
  // A PNG file, through the system's imaging codecs; nullopt when they
  // cannot read it.
  static std::optional<Picture> FromPngFile(std::span<const std::uint8_t> file);

  // This picture at `new_width` x `new_height` by area averaging: each new
  // pixel is the mean of the source area it covers, colours weighted by
  // their alpha. Shrinking keeps thin lines without dropping rows, and a
  // small enlargement stays sharp, where the system's stretching would drop
  // or repeat whole rows.
  Picture Scaled(int new_width, int new_height) const;
};

}  // namespace ui::win32
