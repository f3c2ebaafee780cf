#pragma once

#include <QIcon>
#include <QImage>

class QPainter;
class QRect;

namespace ui::qt {

// An icon resource of the installed resource set as a Qt icon (every size it
// holds); a null icon when there is no such resource.
QIcon LoadIcon(int icon_id);

// The drawing of an icon resource for `size` pixels: that size, else the
// next larger, else the largest; null when absent.
QImage LoadIconImage(int icon_id, int size);

// A bitmap resource (a BMP file) decoded; null when absent or unreadable.
QImage LoadBitmap(int bitmap_id);
// Its drawing at twice the size; null when there is none.
QImage LoadLargeBitmap(int bitmap_id);

// `image` scaled smoothly to the device pixels of `target` on the painter's
// device, so that it is neither blocky nor blurred twice on screens with
// several device pixels per pixel. An image within a pixel of that size is
// copied pixel for pixel.
QImage ScaleForTarget(const QImage& image, const QRect& target, qreal device_pixel_ratio);

// Draws an icon resource over `target`, from the drawing that suits the
// device's pixels best.
void DrawIcon(QPainter& painter, int icon_id, const QRect& target);

}  // namespace ui::qt
