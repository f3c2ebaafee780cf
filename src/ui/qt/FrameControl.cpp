#include "ui/qt/FrameControl.h"

#include <QPainter>

#include <utility>

#include "ui/qt/ResourceImages.h"

namespace ui::qt {

FrameControl::FrameControl(QWidget* parent) : QWidget(parent) {
  setFocusPolicy(Qt::NoFocus);
}

void FrameControl::SetImage(const QImage& image, std::function<QImage()> load_large) {
  if (image.cacheKey() == m_image.cacheKey()) {
    return;
  }
  m_image = image;
  m_load_large = std::move(load_large);
  m_large.reset();
  m_drawn = QImage();
  update();
}

void FrameControl::paintEvent(QPaintEvent*) {
  QPainter painter(this);
  if (m_image.isNull()) {
    painter.setPen(Qt::black);
    painter.drawRect(rect().adjusted(0, 0, -1, -1));
    return;
  }
  const qreal ratio = devicePixelRatioF();
  const QSize pixels = (QSizeF(size()) * ratio).toSize();
  if (m_drawn.isNull() || m_drawn.size() != pixels || m_drawn.devicePixelRatio() != ratio) {
    // The larger drawing once the frame has more device pixels than the picture.
    const bool wants_large = pixels.width() > m_image.width() * 5 / 4;
    if (wants_large && !m_large) {
      m_large = m_load_large ? m_load_large() : QImage();
    }
    const bool use_large = wants_large && !m_large->isNull();
    m_drawn = ScaleForTarget(use_large ? *m_large : m_image, rect(), ratio);
  }
  painter.drawImage(QPoint(0, 0), m_drawn);
}

}  // namespace ui::qt
