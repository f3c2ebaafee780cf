#pragma once

#include <QImage>
#include <QWidget>

namespace ui::qt {

// A black frame: a one-pixel black rectangle, or, once the window's paint
// hook has put a picture into it, that picture stretched over the whole
// control. The picture is drawn from the larger drawing when the screen
// has the device pixels for it, and scaled smoothly unless it fits pixel
// for pixel.
class FrameControl final : public QWidget {
 public:
  explicit FrameControl(QWidget* parent);

  // `large` is the same picture at twice the size; it may be null.
  void SetImage(const QImage& image, const QImage& large = QImage());
  const QImage& Image() const { return m_image; }
  // The pixels last drawn, at the device's resolution; null before.
  const QImage& Drawn() const { return m_drawn; }

 protected:
  void paintEvent(QPaintEvent* event) override;

 private:
  QImage m_image;
  QImage m_large;
  QImage m_drawn;
};

}  // namespace ui::qt
