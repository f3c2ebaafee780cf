#include "ui/qt/DialogUnits.h"

#include <gtest/gtest.h>

#include <QFontInfo>
#include <QFontMetrics>

#include "QtTestSupport.h"

using ui::qt::BaseUnits;

// Dialog units become pixels as the Windows dialog manager computes them:
// rounded MulDiv (halves away from zero), position and size converted separately.
TEST(DialogUnits, ConversionMatchesWindowsArithmetic) {
  EXPECT_EQ(ui::qt::MulDiv(7, 6, 4), 11);
  EXPECT_EQ(ui::qt::MulDiv(-7, 6, 4), -11);
  EXPECT_EQ(ui::qt::MulDiv(3, 13, 8), 5);
  EXPECT_EQ(ui::qt::MulDiv(1, 2, 0), -1);
  // The classic 8-point base units, 6 x 13, and twice them: the layout scales with the font.
  EXPECT_EQ(ui::qt::HorizontalPixels(372, BaseUnits{6, 13}), 558);
  EXPECT_EQ(ui::qt::VerticalPixels(328, BaseUnits{6, 13}), 533);
  EXPECT_EQ(ui::qt::DialogRectToPixels(315, 115, 50, 15, BaseUnits{6, 13}),
            QRect(473, 187, 75, 24));
  EXPECT_EQ(ui::qt::DialogRectToPixels(315, 115, 50, 15, BaseUnits{12, 26}),
            QRect(945, 374, 150, 49));
}

// A face this system lacks falls back to another face at the same size, and
// the base units follow that font's metrics.
TEST(DialogUnits, FontFallbackAndBaseUnits) {
  qttest::EnsureApplication();
  QFont font = ui::qt::DialogFont("No Such Face Anywhere", 8);
  EXPECT_EQ(font.pointSize(), 8);
  EXPECT_NE(QFontInfo(font).family(), QStringLiteral("No Such Face Anywhere"));
  const BaseUnits base = ui::qt::MeasureBaseUnits(font);
  const QFontMetrics metrics(font);
  EXPECT_EQ(base.y, metrics.height());
  EXPECT_GE(base.x, metrics.horizontalAdvance(QLatin1Char('i')));
  EXPECT_LE(base.x, metrics.horizontalAdvance(QLatin1Char('W')));
  font.setPointSize(16);
  EXPECT_GT(ui::qt::MeasureBaseUnits(font).x, base.x);
  EXPECT_GT(ui::qt::MeasureBaseUnits(font).y, base.y);
}
