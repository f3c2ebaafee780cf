#pragma once

#include <QImage>
#include <QWidget>

#include <functional>
#include <optional>

namespace ui::qt {

// A black frame: a one-pixel black rectangle, or, once the window's paint
// hook has put a picture into it, that picture stretched over the whole
// control. The picture is drawn from the larger drawing when the screen
// has the device pixels for it, and scaled smoothly unless it fits pixel
// for pixel.
class FrameControl final : public QWidget {
 public:
  explicit FrameControl(QWidget* parent);

  // `load_large` gives the same picture at twice the size (null when there
  // is none). It is asked only once a screen has the device pixels for it:
  // decoding it takes milliseconds that a start on an ordinary screen would
  // otherwise spend before its first paint. The same `image` again keeps
  // what was loaded and drawn.
  void SetImage(const QImage& image, std::function<QImage()> load_large = {});
  const QImage& Image() const { return m_image; }
  // The pixels last drawn, at the device's resolution; null before.
  const QImage& Drawn() const { return m_drawn; }

 protected:
  void paintEvent(QPaintEvent* event) override;

 private:
  QImage m_image;
  std::function<QImage()> m_load_large;
  std::optional<QImage> m_large;
  QImage m_drawn;
};

}  // namespace ui::qt
