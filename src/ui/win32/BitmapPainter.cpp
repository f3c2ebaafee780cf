#include "ui/win32/BitmapPainter.h"

#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <vector>

#include "ui/win32/Picture.h"

namespace ui::win32 {
namespace {

constexpr std::size_t kFileHeaderSize = 14;

std::uint32_t ReadU32(const std::uint8_t* bytes) {
  std::uint32_t value;
  std::memcpy(&value, bytes, sizeof(value));
  return value;
}

}  // namespace

BitmapPainter::BitmapPainter(std::span<const std::uint8_t> file) {
  if (file.size() < kFileHeaderSize + sizeof(BITMAPINFOHEADER) || file[0] != 'B' ||
      file[1] != 'M') {
    return;
  }
  const std::uint8_t* header = file.data() + kFileHeaderSize;
  BITMAPINFOHEADER info;
  std::memcpy(&info, header, sizeof(info));
  const std::uint32_t bits_offset = ReadU32(file.data() + 10);
  if (info.biSize < sizeof(BITMAPINFOHEADER) || info.biSize > file.size() - kFileHeaderSize ||
      info.biWidth <= 0 || info.biHeight == 0 || info.biHeight == INT32_MIN || info.biPlanes != 1 ||
      (info.biCompression != BI_RGB && info.biCompression != BI_BITFIELDS)) {
    return;
  }
  const unsigned depth = info.biBitCount;
  if (depth != 1 && depth != 4 && depth != 8 && depth != 16 && depth != 24 && depth != 32) {
    return;
  }
  unsigned colors = info.biClrUsed;
  if (colors == 0 && depth <= 8) colors = 1u << depth;
  if (colors > 256) return;
  const std::size_t masks = info.biCompression == BI_BITFIELDS ? 12 : 0;
  const std::size_t table = kFileHeaderSize + info.biSize + masks + colors * sizeof(RGBQUAD);
  const std::uint64_t stride = (static_cast<std::uint64_t>(info.biWidth) * depth + 31) / 32 * 4;
  const std::uint64_t rows = static_cast<std::uint64_t>(std::llabs(info.biHeight));
  if (table > file.size() || bits_offset < table || bits_offset > file.size() ||
      stride * rows > file.size() - bits_offset) {
    return;
  }
  // StretchDIBits reads the header in place; BMP files keep it 2 bytes off
  // a 4-byte boundary, which x86-64 reads as well.
  m_info = reinterpret_cast<const BITMAPINFO*>(header);
  m_bits = file.data() + bits_offset;
  m_colors = colors;
}

BITMAPINFO BitmapPainter::PictureInfo(int width, int height) {
  BITMAPINFO info{};
  info.bmiHeader.biSize = sizeof(BITMAPINFOHEADER);
  info.bmiHeader.biWidth = width;
  info.bmiHeader.biHeight = -height;
  info.bmiHeader.biPlanes = 1;
  info.bmiHeader.biBitCount = 32;
  info.bmiHeader.biCompression = BI_RGB;
  return info;
}

BitmapPainter::BitmapPainter(const Picture& picture) {
  if (picture.width <= 0 || picture.height <= 0 ||
      picture.pixels.size() !=
          static_cast<std::size_t>(picture.width) * static_cast<std::size_t>(picture.height)) {
    return;
  }
  m_picture_info = PictureInfo(picture.width, picture.height);
  m_info = &m_picture_info;
  m_bits = reinterpret_cast<const std::uint8_t*>(picture.pixels.data());
}

int BitmapPainter::Width() const {
  return m_info != nullptr ? m_info->bmiHeader.biWidth : 0;
}

int BitmapPainter::Height() const {
  return m_info != nullptr ? std::abs(m_info->bmiHeader.biHeight) : 0;
}

HPALETTE BitmapPainter::CreatePaletteFor(HDC dc) const {
  if (m_colors == 0) {
    return CreateHalftonePalette(dc);
  }
  std::vector<std::uint8_t> storage(sizeof(LOGPALETTE) + m_colors * sizeof(PALETTEENTRY));
  auto* palette = reinterpret_cast<LOGPALETTE*>(storage.data());
  palette->palVersion = 0x300;
  palette->palNumEntries = static_cast<WORD>(m_colors);
  const auto* table = reinterpret_cast<const std::uint8_t*>(m_info) + m_info->bmiHeader.biSize;
  for (unsigned i = 0; i < m_colors; ++i) {
    RGBQUAD quad;
    std::memcpy(&quad, table + i * sizeof(RGBQUAD), sizeof(quad));
    palette->palPalEntry[i] = PALETTEENTRY{quad.rgbRed, quad.rgbGreen, quad.rgbBlue, 0};
  }
  return CreatePalette(palette);
}

bool BitmapPainter::Stretch(HDC dc, const RECT& target) const {
  if (m_info == nullptr || target.right <= target.left || target.bottom <= target.top) {
    return false;
  }
  HPALETTE palette = nullptr;
  HPALETTE previous = nullptr;
  if ((GetDeviceCaps(dc, RASTERCAPS) & RC_PALETTE) != 0) {
    palette = CreatePaletteFor(dc);
    if (palette != nullptr) {
      previous = SelectPalette(dc, palette, FALSE);
      RealizePalette(dc);
    }
    if (m_colors == 0) {
      SetStretchBltMode(dc, HALFTONE);
      SetBrushOrgEx(dc, 0, 0, nullptr);
    } else {
      SetStretchBltMode(dc, COLORONCOLOR);
    }
  } else {
    SetStretchBltMode(dc, COLORONCOLOR);
  }
  const int drawn = StretchDIBits(dc, target.left, target.top, target.right - target.left,
                                  target.bottom - target.top, 0, 0, Width(), Height(), m_bits,
                                  m_info, DIB_RGB_COLORS, SRCCOPY);
  if (palette != nullptr) {
    SelectPalette(dc, previous, TRUE);
    DeleteObject(palette);
  }
  return drawn != 0 && drawn != static_cast<int>(GDI_ERROR);
}

}  // namespace ui::win32
