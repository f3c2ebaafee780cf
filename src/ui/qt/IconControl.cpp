#include "ui/qt/IconControl.h"

#include <algorithm>

#include <QFontMetrics>
#include <QPainter>

#include "ui/qt/ResourceImages.h"

namespace ui::qt {

IconControl::IconControl(QWidget* parent) : QWidget(parent) {
  setFocusPolicy(Qt::NoFocus);
}

int IconControl::StandardSize(const QWidget& widget) {
  return std::max(32, QFontMetrics(widget.font()).height() * 32 / 13);
}

void IconControl::SetIcon(int icon_id) {
  m_icon_id = icon_id;
  const int size = StandardSize(*this);
  resize(size, size);
  update();
}

void IconControl::paintEvent(QPaintEvent*) {
  if (m_icon_id == 0) {
    return;
  }
  QPainter painter(this);
  DrawIcon(painter, m_icon_id, rect());
}

}  // namespace ui::qt
