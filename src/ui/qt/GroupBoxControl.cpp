#include "ui/qt/GroupBoxControl.h"

#include <QFontMetrics>
#include <QPainter>

#include "ui/qt/QtText.h"

namespace ui::qt {

GroupBoxControl::GroupBoxControl(const QString& title, QWidget* parent)
    : QWidget(parent), m_title(title) {
  setFocusPolicy(Qt::NoFocus);
  // Clicks on the empty inside of the box reach nothing, as on Windows.
  setAttribute(Qt::WA_TransparentForMouseEvents);
}

void GroupBoxControl::SetTitle(const QString& title) {
  m_title = title;
  update();
}

void GroupBoxControl::paintEvent(QPaintEvent*) {
  QPainter painter(this);
  const QFontMetrics metrics(font());
  const int top = metrics.height() / 2;
  const QRect frame(0, top, width() - 2, height() - top - 2);
  // Etched: a shadow line with a highlight line one pixel below and right.
  painter.setPen(palette().color(QPalette::Light));
  painter.drawRect(frame.translated(1, 1));
  painter.setPen(palette().color(QPalette::Mid));
  painter.drawRect(frame);

  const QString shown = StaticDisplayText(m_title);
  if (shown.isEmpty()) {
    return;
  }
  const int left = metrics.averageCharWidth();
  const int gap = 2;
  const QRect text_rect(left, 0, metrics.horizontalAdvance(shown) + 2 * gap, metrics.height());
  painter.fillRect(text_rect, palette().color(QPalette::Window));
  painter.setPen(
      palette().color(isEnabled() ? QPalette::Active : QPalette::Disabled, QPalette::WindowText));
  painter.drawText(text_rect, Qt::AlignCenter | Qt::TextSingleLine, shown);
}

}  // namespace ui::qt
