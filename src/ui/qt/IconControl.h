#pragma once

#include <QWidget>

namespace ui::qt {

// An icon control: an icon resource drawn at the standard icon size, from
// the drawing that suits the screen's pixels best and smoothly scaled, so
// that it stays sharp on screens with several device pixels per pixel.
class IconControl final : public QWidget {
 public:
  explicit IconControl(QWidget* parent);

  // 0 shows nothing. The control takes the icon's size, as on Windows.
  void SetIcon(int icon_id);
  int Icon() const { return m_icon_id; }

  // The standard icon size in pixels for a window's font: 32 for the
  // template font, growing with the font.
  static int StandardSize(const QWidget& widget);

 protected:
  void paintEvent(QPaintEvent* event) override;

 private:
  int m_icon_id = 0;
};

}  // namespace ui::qt
