#include "ui/qt/FrameControl.h"

#include <QPainter>

namespace ui::qt {

FrameControl::FrameControl(QWidget* parent) : QWidget(parent) {
  setFocusPolicy(Qt::NoFocus);
}

void FrameControl::SetImage(const QImage& image) {
  if (image.cacheKey() == m_image.cacheKey()) {
    return;
  }
  m_image = image;
  update();
}

void FrameControl::paintEvent(QPaintEvent*) {
  QPainter painter(this);
  if (!m_image.isNull()) {
    painter.drawImage(rect(), m_image);
    return;
  }
  painter.setPen(Qt::black);
  painter.drawRect(rect().adjusted(0, 0, -1, -1));
}

}  // namespace ui::qt
