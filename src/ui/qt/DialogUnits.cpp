#include "ui/qt/DialogUnits.h"

#include <cstdint>
#include <algorithm>
#include <cstdlib>
#include <map>
#include <utility>
#include <vector>

#include <QFontDatabase>
#include <QFontInfo>
#include <QFontMetrics>

namespace ui::qt {

BaseUnits TemplateBaseUnits(int point_size, double dpi) {
  // 8 points at 96 DPI: the average width 6 and the height 13 pixels.
  const double scale = point_size / 8.0 * dpi / 96.0;
  return BaseUnits{static_cast<int>(6 * scale + 0.5), static_cast<int>(13 * scale + 0.5)};
}

const QStringList& DialogFontCandidates() {
  // Narrow faces first: the templates' face is narrower than most sans-serif
  // faces of today, whose texts would wrap and be cut off.
  static const QStringList candidates = {
      QStringLiteral("DejaVu Sans Condensed"),
      QStringLiteral("Liberation Sans"),
      QStringLiteral("Arimo"),
      QStringLiteral("FreeSans"),
      QStringLiteral("Noto Sans"),
      QStringLiteral("DejaVu Sans"),
  };
  return candidates;
}

namespace {

// Running text, whose width decides how many lines a text takes; the
// base units alone do not tell (they weigh capitals as much as small letters).
constexpr const char* kProseSample =
    "Turns off some special effects allowing the gameplay to remain at optimum speed. "
    "Please insert the CD and run the setup program, or press cancel to leave this dialog.";

QFont ChooseDialogFont(const QString& family, int size) {
  if (!family.isEmpty() && QFontDatabase::hasFamily(family)) {
    return QFont(family, size);
  }
  QFont desktop = QFontDatabase::systemFont(QFontDatabase::GeneralFont);
  desktop.setPointSize(size);
  desktop.setStyleHint(QFont::SansSerif);
  const BaseUnits target = TemplateBaseUnits(size, QFontMetricsF(desktop).fontDpi());
  struct Scored {
    QFont font;
    int distance;
    double prose_per_unit;
  };
  auto score = [&](const QFont& font) {
    const BaseUnits base = MeasureBaseUnits(font);
    const double prose = QFontMetricsF(font).horizontalAdvance(QString::fromLatin1(kProseSample));
    return Scored{font, std::abs(base.x - target.x) + std::abs(base.y - target.y),
                  prose / std::max(1, base.x)};
  };
  std::vector<Scored> faces = {score(desktop)};
  for (const QString& candidate : DialogFontCandidates()) {
    if (QFontDatabase::hasFamily(candidate)) {
      faces.push_back(score(QFont(candidate, size)));
    }
  }
  const int closest =
      std::min_element(faces.begin(), faces.end(), [](const Scored& a, const Scored& b) {
        return a.distance < b.distance;
      })->distance;
  // Within a pixel of the closest, the face whose running text is narrowest
  // for its base units: the one whose texts wrap least in their controls.
  const Scored* best = nullptr;
  for (const Scored& face : faces) {
    if (face.distance <= closest + 1 &&
        (best == nullptr || face.prose_per_unit < best->prose_per_unit)) {
      best = &face;
    }
  }
  return best->font;
}

}  // namespace

QFont DialogFont(const std::string& face_name, int point_size) {
  const int size = point_size > 0 ? point_size : 8;
  const QString family = QString::fromStdString(face_name);
  // Measuring the candidates takes a moment; every window asks again.
  static std::map<std::pair<QString, int>, QFont> chosen;
  const auto key = std::make_pair(family, size);
  auto it = chosen.find(key);
  if (it == chosen.end()) {
    it = chosen.emplace(key, ChooseDialogFont(family, size)).first;
  }
  return it->second;
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
