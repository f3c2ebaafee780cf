#pragma once

namespace ui {
class PaintContext;
}

// The picture that fills the tall frame on the main window's left.
class Banner {
 public:
  // Looks the bitmap resource up; false (and no banner) when it is missing
  // or not a bitmap.
  bool Load(int bitmap_id);
  bool IsLoaded() const { return m_bitmap_id != 0; }

  // Stretches the whole picture over the whole client area of the frame.
  void Paint(ui::PaintContext& context, int frame_control_id) const;

 private:
  int m_bitmap_id = 0;
};
