#include "resources/DialogTemplates.h"

#include <gtest/gtest.h>

#include <array>
#include <set>
#include <utility>

#include "resources/GameResources.h"
#include "platform/MessageBox.h"
#include "resources/ResourceIds.h"
#include "ui/DialogTemplate.h"

namespace {

using ui::ControlKind;

// The controller window: every row complete (label, list, assign button),
// rows going down in table order, all inside the window.
TEST(DialogTemplates, ControllerWindowRowsComplete) {
  using namespace resources;
  const ui::DialogTemplate& t = ControllerDialogTemplate();
  int previous_y = t.FindControl(kControllerDeviceList)->y;
  for (int action : kControllerRowActions) {
    const ui::ControlTemplate* label = t.FindControl(kControllerActionLabelBase + action);
    const ui::ControlTemplate* list = t.FindControl(kControllerActionListBase + action);
    const ui::ControlTemplate* assign = t.FindControl(kControllerAssignBase + action);
    ASSERT_TRUE(label && list && assign) << action;
    EXPECT_GT(assign->y, previous_y) << action;
    EXPECT_LE(list->x + list->width, assign->x) << action;
    previous_y = assign->y;
  }
  EXPECT_EQ(std::set<int>(kControllerRowActions.begin(), kControllerRowActions.end()).size(), 12u);
  for (const ui::ControlTemplate& c : t.controls) {
    if (c.kind == ControlKind::kDropDownList) continue;  // their height includes the open list
    EXPECT_TRUE(c.x >= 0 && c.y >= 0 && c.x + c.width <= t.width && c.y + c.height <= t.height)
        << c.id;
  }
}

}  // namespace
