#include "ui/DialogTemplate.h"

namespace ui {

const ControlTemplate* DialogTemplate::FindControl(int control_id) const {
  for (const ControlTemplate& control : controls) {
    if (control.id == control_id) {
      return &control;
    }
  }
  return nullptr;
}

}  // namespace ui
