#pragma once

#include <string>

#include <QFont>
#include <QStringList>
#include <QRect>

namespace ui::qt {

// The dialog base units of a font, in pixels: the average width of its
// letters and its height, as Windows measures them for a dialog font.
struct BaseUnits {
  int x = 0;
  int y = 0;
};

// The base units that the template font has on the system the templates
// were made for, scaled to `point_size` at `dpi` dots per inch: 6 x 13 pixels
// for 8 points at 96 DPI.
BaseUnits TemplateBaseUnits(int point_size, double dpi);

// The font of a dialog template at its point size: the named face when this
// system has it; otherwise one of the installed sans-serif faces that dialogs
// commonly use (the desktop's own among them): of those whose base units come
// within a pixel of the closest to TemplateBaseUnits, the one whose running
// text is narrowest for its base units, so that the windows keep their size
// and their texts fit the controls they were laid out for. The choice is made
// once per face and size.
QFont DialogFont(const std::string& face_name, int point_size);

// The faces DialogFont considers, in order of preference, after the named one.
const QStringList& DialogFontCandidates();

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
