#include "ui/qt/DialogUnits.h"

#include <gtest/gtest.h>

#include <QFontInfo>
#include <QFontMetrics>

#include "QtTestSupport.h"

using ui::qt::BaseUnits;

// Dialog units become pixels as the Windows dialog manager computes them:
// rounded MulDiv, position and size converted separately.
TEST(DialogUnits, ConversionMatchesWindowsArithmetic) {
  EXPECT_EQ(ui::qt::MulDiv(7, 6, 4), 11);    // 10.5 rounds up
  EXPECT_EQ(ui::qt::MulDiv(-7, 6, 4), -11);  // and away from zero
  EXPECT_EQ(ui::qt::MulDiv(5, 6, 4), 8);     // 7.5
  EXPECT_EQ(ui::qt::MulDiv(3, 13, 8), 5);    // 4.875
  EXPECT_EQ(ui::qt::MulDiv(1, 2, 0), -1);

  // The classic 8-point base units, 6 x 13: the main window's 372 x 328 units.
  const BaseUnits classic{6, 13};
  EXPECT_EQ(ui::qt::HorizontalPixels(372, classic), 558);
  EXPECT_EQ(ui::qt::VerticalPixels(328, classic), 533);
  const QRect rect = ui::qt::DialogRectToPixels(315, 115, 50, 15, classic);
  EXPECT_EQ(rect, QRect(473, 187, 75, 24));
  // Twice the base units, twice the pixels: the layout scales with the font.
  const QRect doubled = ui::qt::DialogRectToPixels(315, 115, 50, 15, BaseUnits{12, 26});
  EXPECT_EQ(doubled, QRect(945, 374, 150, 49));
}

// A face this system lacks falls back to a sans-serif face at the same size,
// and the base units follow that font's metrics.
TEST(DialogUnits, FontFallbackAndBaseUnits) {
  qttest::EnsureApplication();
  const QFont font = ui::qt::DialogFont("No Such Face Anywhere", 8);
  EXPECT_EQ(font.pointSize(), 8);
  EXPECT_NE(QFontInfo(font).family(), QStringLiteral("No Such Face Anywhere"));

  const BaseUnits base = ui::qt::MeasureBaseUnits(font);
  const QFontMetrics metrics(font);
  EXPECT_EQ(base.y, metrics.height());
  // The average letter width lies between the narrowest and widest letter.
  EXPECT_GE(base.x, metrics.horizontalAdvance(QLatin1Char('i')));
  EXPECT_LE(base.x, metrics.horizontalAdvance(QLatin1Char('W')));

  QFont larger = font;
  larger.setPointSize(16);
  const BaseUnits larger_base = ui::qt::MeasureBaseUnits(larger);
  EXPECT_GT(larger_base.x, base.x);
  EXPECT_GT(larger_base.y, base.y);
}
