#pragma once

namespace ui {

// What a dialog's paint hook may draw. A backend hands one to
// Dialog::DispatchPaint after the window has painted its own controls.
class PaintContext {
 public:
  virtual ~PaintContext() = default;

  // True while the window is minimised; then only the icon is drawn.
  virtual bool IsMinimized() const = 0;

  // Stretches the whole bitmap resource over the whole client area of a
  // control (a black frame), copying the pixels as they are.
  virtual void StretchBitmapToControl(int control_id, int bitmap_id) = 0;

  // Draws an icon resource centred in the window's client area.
  virtual void DrawIconCentered(int icon_id) = 0;
};

}  // namespace ui
