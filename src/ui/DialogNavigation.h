#pragma once

#include <functional>

namespace ui {

struct ControlTemplate;
struct DialogTemplate;

enum class NavigationDirection { kForward, kBackward };

// The control that the arrow keys move the focus to from `from_id`, as the
// Windows dialog manager finds it: the next (or previous) control of the
// same group for which `can_take_focus` holds, wrapping around within the
// group. A group runs from a control with ControlStyle::kGroup (or the first
// control) up to the next such control. Returns `from_id` when the group has
// no other such control, or when `from_id` is not in the template.
int NextGroupControl(const DialogTemplate& dialog_template, int from_id,
                     NavigationDirection direction,
                     const std::function<bool(const ControlTemplate&)>& can_take_focus);

}  // namespace ui
