#include "ui/qt/DialogUnits.h"

#include <QFontInfo>
#include <QFontMetrics>

#include "QtTestSupport.h"

using ui::qt::BaseUnits;

// Dialog units become pixels by rounded MulDiv (halves away from zero), place
// and size converted apart; the base units follow the font, including the
// face that stands in for one this system lacks.
TEST(DialogUnits, ConversionAndFontBaseUnits) {
  EXPECT_EQ(ui::qt::MulDiv(7, 6, 4), 11);
  EXPECT_EQ(ui::qt::MulDiv(-7, 6, 4), -11);
  EXPECT_EQ(ui::qt::MulDiv(1, 2, 0), -1);
  EXPECT_EQ(ui::qt::DialogRectToPixels(315, 115, 50, 15, BaseUnits{6, 13}),
            QRect(473, 187, 75, 24));
  EXPECT_EQ(ui::qt::DialogRectToPixels(315, 115, 50, 15, BaseUnits{12, 26}),
            QRect(945, 374, 150, 49));

  qttest::EnsureApplication();
  QFont font = ui::qt::DialogFont("No Such Face Anywhere", 8);
  EXPECT_EQ(font.pointSize(), 8);
  EXPECT_NE(QFontInfo(font).family(), QStringLiteral("No Such Face Anywhere"));
  const BaseUnits base = ui::qt::MeasureBaseUnits(font);
  const QFontMetrics metrics(font);
  EXPECT_EQ(base.y, metrics.height());
  EXPECT_GE(base.x, metrics.horizontalAdvance(QLatin1Char('i')));
  EXPECT_LE(base.x, metrics.horizontalAdvance(QLatin1Char('W')));
}
