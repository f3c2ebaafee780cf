#include "ui/DialogNavigation.h"

#include <cstddef>

#include "ui/DialogTemplate.h"

namespace ui {

int NextGroupControl(const DialogTemplate& dialog_template, int from_id,
                     NavigationDirection direction,
                     const std::function<bool(const ControlTemplate&)>& can_take_focus) {
  const std::vector<ControlTemplate>& controls = dialog_template.controls;
  std::size_t from = controls.size();
  for (std::size_t i = 0; i < controls.size(); ++i) {
    if (controls[i].id == from_id && from_id != kStaticId) {
      from = i;
      break;
    }
  }
  if (from == controls.size()) {
    return from_id;
  }
  std::size_t first = from;
  while (first > 0 && !HasFlag(controls[first].style, ControlStyle::kGroup)) {
    --first;
  }
  std::size_t end = from + 1;
  while (end < controls.size() && !HasFlag(controls[end].style, ControlStyle::kGroup)) {
    ++end;
  }
  const std::size_t size = end - first;
  for (std::size_t step = 1; step < size; ++step) {
    const std::size_t offset = direction == NavigationDirection::kForward
                                   ? (from - first + step) % size
                                   : (from - first + size - step) % size;
    const ControlTemplate& candidate = controls[first + offset];
    if (candidate.id != kStaticId && can_take_focus(candidate)) {
      return candidate.id;
    }
  }
  return from_id;
}

}  // namespace ui
