#pragma once

#include "ui/win32/Picture.h"

namespace ui::win32 {

// Bitmap resource `bitmap_id` at `width` x `height` pixels: from its drawing
// at twice the size once the target is more than 5/4 of the picture's own
// width (as the Qt backend chooses), else from the picture itself, scaled by
// area averaging; an empty picture when neither is there or readable.
Picture BitmapForSize(int bitmap_id, int width, int height);

// The drawing of icon resource `icon_id` for `size` pixels: its image of
// that size, else the next larger (else the largest) scaled to it; an empty
// picture when there is no such icon.
Picture IconForSize(int icon_id, int size);

}  // namespace ui::win32
