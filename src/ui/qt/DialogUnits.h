#pragma once

#include <string>

#include <QFont>
#include <QRect>

namespace ui::qt {

// The dialog base units of a font, in pixels: the average width of its
// letters and its height, as Windows measures them for a dialog font.
struct BaseUnits {
  int x = 0;
  int y = 0;
};

// The font of a dialog template: the named face when this system has it,
// otherwise the desktop's sans-serif face at the same point size.
QFont DialogFont(const std::string& face_name, int point_size);

// Average width from the extent of "A".."Z" "a".."z" (rounded as Windows
// rounds it) and the font height.
BaseUnits MeasureBaseUnits(const QFont& font);

// a * b / c rounded to the nearest integer, halves away from zero.
int MulDiv(int a, int b, int c);

// Dialog units to pixels: x * base.x / 4 across, y * base.y / 8 down.
int HorizontalPixels(int dialog_units, BaseUnits base);
int VerticalPixels(int dialog_units, BaseUnits base);
QRect DialogRectToPixels(int x, int y, int width, int height, BaseUnits base);

}  // namespace ui::qt
