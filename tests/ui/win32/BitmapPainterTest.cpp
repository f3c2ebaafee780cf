#include "ui/win32/BitmapPainter.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <vector>

#include "support/BitmapFile.h"

namespace {

using test::BitmapFile;

void Put32(std::vector<std::uint8_t>& file, std::size_t at, std::uint32_t value) {
  for (int i = 0; i < 4; ++i) file[at + i] = static_cast<std::uint8_t>(value >> (8 * i));
}

// Whatever the bitmap resource holds, nothing is read outside it: a file
// that is cut short, claims more than it holds or is no bitmap is refused,
// and refusing draws nothing.
TEST(BitmapPainterTest, RefusesFilesItCannotDrawWhole) {
  const std::vector<std::uint8_t> good = BitmapFile(3, 5, [](int, int) { return 0x123456u; });
  const ui::win32::BitmapPainter painter(good);
  ASSERT_TRUE(painter.IsValid());
  EXPECT_EQ(painter.Width(), 3);
  EXPECT_EQ(painter.Height(), 5);

  std::vector<std::vector<std::uint8_t>> bad;
  bad.push_back({});
  bad.push_back(std::vector<std::uint8_t>(good.begin(), good.begin() + 40));  // headers cut
  bad.push_back(std::vector<std::uint8_t>(good.begin(), good.end() - 1));     // pixels cut
  auto edited = [&](std::size_t at, std::uint32_t value) {
    std::vector<std::uint8_t> file = good;
    Put32(file, at, value);
    bad.push_back(file);
  };
  edited(0, 0x00004D42 ^ 0x0101);  // not "BM"
  edited(10, 0xFFFFFFF0u);         // pixels beyond the end
  edited(10, 20);                  // pixels inside the headers
  edited(14, 0xFFFFFF);            // header larger than the file
  edited(18, 0x7FFFFFFF);          // width the pixels cannot hold
  edited(22, 0x80000000u);         // height of no magnitude
  edited(18, 0);                   // no width
  edited(46, 100000);              // a colour table larger than any
  edited(30, 4);                   // compressed
  for (std::size_t i = 0; i < bad.size(); ++i) {
    const ui::win32::BitmapPainter refused(bad[i]);
    EXPECT_FALSE(refused.IsValid()) << i;
    HDC dc = CreateCompatibleDC(nullptr);
    EXPECT_FALSE(refused.Stretch(dc, RECT{0, 0, 10, 10})) << i;
    DeleteDC(dc);
  }
}

}  // namespace
