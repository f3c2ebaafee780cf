#include "ui/qt/FrameControl.h"

#include <gtest/gtest.h>

#include <QColor>
#include <QImage>
#include <QWidget>

#include "QtTestSupport.h"

namespace {

QImage Filled(int width, int height, QRgb colour) {
  QImage image(width, height, QImage::Format_RGB32);
  image.fill(colour);
  return image;
}

}  // namespace

// The larger drawing is decoded only for a screen with the device pixels for
// it, once, and is what the frame then shows; on an ordinary screen it is
// never asked for. (ctest runs this at the toolkit's own scale and at 2.)
TEST(FrameControlTest, LargeDrawingOnlyWhenTheScreenHasThePixels) {
  qttest::EnsureApplication();
  QWidget window;
  ui::qt::FrameControl frame(&window);
  frame.resize(40, 20);
  const QImage image = Filled(40, 20, 0xFFFF0000);
  int loads = 0;
  auto load_large = [&loads] {
    ++loads;
    return Filled(80, 40, 0xFF0000FF);
  };
  frame.SetImage(image, load_large);
  frame.grab();
  frame.SetImage(image, load_large);
  frame.resize(40, 21);
  frame.grab();

  const bool dense = frame.devicePixelRatioF() * 40 > 40 * 5 / 4;
  EXPECT_EQ(loads, dense ? 1 : 0);
  ASSERT_FALSE(frame.Drawn().isNull());
  EXPECT_EQ(frame.Drawn().pixelColor(1, 1), dense ? QColor(0, 0, 0xFF) : QColor(0xFF, 0, 0));
}
