#include "ui/DialogNavigation.h"

#include <gtest/gtest.h>

#include <set>

#include "ui/DialogTemplate.h"

namespace {

using ui::ControlKind;
using ui::ControlStyle;
using ui::NavigationDirection;

// The arrow keys' way through a group: forward and backward, wrapping within
// the group, stopping at the next group's start, skipping what cannot take
// the focus (statics, and what the predicate refuses) and staying put where
// the group offers nothing else.
TEST(DialogNavigation, ArrowKeysStayWithinTheGroup) {
  ui::DialogTemplate t;
  t.controls = {
      {1, ControlKind::kPushButton},
      {2, ControlKind::kPushButton},
      {ui::kStaticId, ControlKind::kGroupBox},
      {3, ControlKind::kPushButton},
      {10, ControlKind::kStaticText, 0, 0, 0, 0, ControlStyle::kGroup},
      {11, ControlKind::kDropDownList},
      {12, ControlKind::kPushButton},
      {20, ControlKind::kStaticText, 0, 0, 0, 0, ControlStyle::kGroup},
      {21, ControlKind::kPushButton},
  };
  std::set<int> refused = {10, 20};
  auto can_focus = [&](const ui::ControlTemplate& c) { return !refused.contains(c.id); };
  auto next = [&](int from, NavigationDirection direction) {
    return ui::NextGroupControl(t, from, direction, can_focus);
  };
  const auto forward = NavigationDirection::kForward, backward = NavigationDirection::kBackward;
  EXPECT_EQ(next(1, forward), 2);
  EXPECT_EQ(next(2, forward), 3);  // over the group box, which has no id
  EXPECT_EQ(next(3, forward), 1);  // wraps before the label that starts the next group
  EXPECT_EQ(next(1, backward), 3);
  EXPECT_EQ(next(12, forward), 11);  // over the refused label
  EXPECT_EQ(next(11, backward), 12);
  EXPECT_EQ(next(21, forward), 21);  // alone in its group
  EXPECT_EQ(next(99, forward), 99);  // not in the template
  refused.insert(2);
  EXPECT_EQ(next(1, forward), 3);
  EXPECT_EQ(next(3, backward), 1);
}

}  // namespace
