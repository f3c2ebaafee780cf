#pragma once

#include <string>
#include <vector>

#include "ui/ControlTemplate.h"
#include "ui/DialogStyle.h"

namespace ui {

// A dialog resource: the window's size in dialog units, its font (from whose
// metrics a backend converts dialog units to pixels), its style and its
// controls in creation (and tab) order.
struct DialogTemplate {
  int id = 0;
  int width = 0;
  int height = 0;
  std::string font_name;
  int font_point_size = 8;
  DialogStyle style = DialogStyle::kNone;
  std::string caption;  // placeholder
  std::vector<ControlTemplate> controls;

  // The first control with this id, or nullptr.
  const ControlTemplate* FindControl(int control_id) const;
};

}  // namespace ui
