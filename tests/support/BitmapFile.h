#pragma once

#include <cstddef>
#include <cstdint>
#include <functional>
#include <vector>

namespace test {

// A 24-bit bitmap file, rows from the bottom as the format keeps them;
// `pixel(x, y)` gives 0xRRGGBB with y from the top.
inline std::vector<std::uint8_t> BitmapFile(int width, int height,
                                            const std::function<std::uint32_t(int, int)>& pixel) {
  const int stride = (width * 3 + 3) / 4 * 4;
  const std::uint32_t bits_size = static_cast<std::uint32_t>(stride * height);
  std::vector<std::uint8_t> file(54 + bits_size, 0);
  auto put32 = [&](std::size_t at, std::uint32_t value) {
    for (int i = 0; i < 4; ++i) file[at + i] = static_cast<std::uint8_t>(value >> (8 * i));
  };
  file[0] = 'B';
  file[1] = 'M';
  put32(2, static_cast<std::uint32_t>(file.size()));
  put32(10, 54);
  put32(14, 40);
  put32(18, static_cast<std::uint32_t>(width));
  put32(22, static_cast<std::uint32_t>(height));
  file[26] = 1;   // planes
  file[28] = 24;  // bits per pixel
  put32(34, bits_size);
  for (int y = 0; y < height; ++y) {
    std::uint8_t* row = file.data() + 54 + static_cast<std::size_t>((height - 1 - y) * stride);
    for (int x = 0; x < width; ++x) {
      const std::uint32_t rgb = pixel(x, y);
      row[x * 3] = static_cast<std::uint8_t>(rgb);
      row[x * 3 + 1] = static_cast<std::uint8_t>(rgb >> 8);
      row[x * 3 + 2] = static_cast<std::uint8_t>(rgb >> 16);
    }
  }
  return file;
}

}  // namespace test
