#pragma once

#include <QIcon>
#include <QImage>

namespace ui::qt {

// An icon resource of the installed resource set as a Qt icon (every size it
// holds); a null icon when there is no such resource.
QIcon LoadIcon(int icon_id);

// The image of an icon resource closest to `size` pixels wide; null when absent.
QImage LoadIconImage(int icon_id, int size);

// A bitmap resource (a BMP file) decoded; null when absent or unreadable.
QImage LoadBitmap(int bitmap_id);

}  // namespace ui::qt
