#pragma once

#include <string>

#include "ui/ControlKind.h"
#include "ui/ControlStyle.h"

namespace ui {

// Id of controls that are never addressed (labels, group boxes).
constexpr int kStaticId = -1;

// One control of a dialog template. Position and size are in dialog units.
struct ControlTemplate {
  int id = kStaticId;
  ControlKind kind = ControlKind::kStaticText;
  int x = 0;
  int y = 0;
  int width = 0;
  int height = 0;
  ControlStyle style = ControlStyle::kNone;
  std::string text{};  // placeholder; the windows set their texts at run time
  int image_id = 0;  // icon resource of an icon control, 0 for none
};

}  // namespace ui
