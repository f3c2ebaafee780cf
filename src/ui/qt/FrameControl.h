#pragma once

#include <QImage>
#include <QWidget>

namespace ui::qt {

// A black frame: a one-pixel black rectangle, or, once the window's paint
// hook has put a picture into it, that picture stretched over the whole
// control, pixel for pixel without smoothing.
class FrameControl final : public QWidget {
 public:
  explicit FrameControl(QWidget* parent);

  void SetImage(const QImage& image);
  const QImage& Image() const { return m_image; }

 protected:
  void paintEvent(QPaintEvent* event) override;

 private:
  QImage m_image;
};

}  // namespace ui::qt
