#pragma once

#include <cstdint>
#include <span>

#include "ui/win32/Win32Api.h"

namespace ui::win32 {

struct Picture;

// Draws a bitmap file (a BMP with its file header), or a picture, stretched
// over a rectangle of a device context with StretchDIBits; a picture made at
// the rectangle's size is copied pixel for pixel.
//
// On a true-colour display the pixels are copied as they are. On a
// palette-based display the picture goes through a palette realised for
// it: its own colour table for a picture of up to 256 colours, else the
// system's halftone palette, with halftone stretching.
class BitmapPainter {
 public:
  // Checks the file; an invalid or truncated one draws nothing.
  explicit BitmapPainter(std::span<const std::uint8_t> file);
  // Draws the picture's pixels, which must outlive the painter.
  explicit BitmapPainter(const Picture& picture);
  BitmapPainter(const BitmapPainter&) = delete;
  BitmapPainter& operator=(const BitmapPainter&) = delete;

  // The header of a 32-bit picture of that size, rows from the top.
  static BITMAPINFO PictureInfo(int width, int height);

  bool IsValid() const { return m_info != nullptr; }
  int Width() const;
  int Height() const;

  // False when nothing was drawn.
  bool Stretch(HDC dc, const RECT& target) const;

 private:
  HPALETTE CreatePaletteFor(HDC dc) const;

  BITMAPINFO m_picture_info{};  // the header of a picture
  const BITMAPINFO* m_info = nullptr;
  const std::uint8_t* m_bits = nullptr;
  unsigned m_colors = 0;  // entries of its colour table
};

}  // namespace ui::win32
