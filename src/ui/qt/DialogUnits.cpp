#include "ui/qt/DialogUnits.h"

#include <cstdint>

#include <QFontDatabase>
#include <QFontInfo>
#include <QFontMetrics>

namespace ui::qt {

QFont DialogFont(const std::string& face_name, int point_size) {
  const int size = point_size > 0 ? point_size : 8;
  const QString family = QString::fromStdString(face_name);
  if (!family.isEmpty() && QFontDatabase::hasFamily(family)) {
    QFont font(family, size);
    return font;
  }
  QFont font = QFontDatabase::systemFont(QFontDatabase::GeneralFont);
  font.setPointSize(size);
  font.setStyleHint(QFont::SansSerif);
  return font;
}

BaseUnits MeasureBaseUnits(const QFont& font) {
  const QFontMetrics metrics(font);
  const int extent = metrics.horizontalAdvance(
      QStringLiteral("ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz"));
  BaseUnits base;
  base.x = (extent / 26 + 1) / 2;
  base.y = metrics.height();
  return base;
}

int MulDiv(int a, int b, int c) {
  if (c == 0) {
    return -1;
  }
  const std::int64_t product = static_cast<std::int64_t>(a) * b;
  const bool negative = (product < 0) != (c < 0);
  const std::int64_t magnitude = (product < 0 ? -product : product);
  const std::int64_t divisor = c < 0 ? -static_cast<std::int64_t>(c) : c;
  const std::int64_t rounded = (magnitude + divisor / 2) / divisor;
  return static_cast<int>(negative ? -rounded : rounded);
}

int HorizontalPixels(int dialog_units, BaseUnits base) {
  return MulDiv(dialog_units, base.x, 4);
}

int VerticalPixels(int dialog_units, BaseUnits base) {
  return MulDiv(dialog_units, base.y, 8);
}

QRect DialogRectToPixels(int x, int y, int width, int height, BaseUnits base) {
  // Position and size are converted one by one, as the Windows dialog manager does.
  return QRect(HorizontalPixels(x, base), VerticalPixels(y, base), HorizontalPixels(width, base),
               VerticalPixels(height, base));
}

}  // namespace ui::qt
