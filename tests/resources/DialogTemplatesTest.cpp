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
using ui::ControlStyle;
using ui::DialogStyle;

// Every template is found by its id with its size and control count; the
// main window's font and style and representative controls (kind, place,
// size, style, icon ids; static texts start a group as the resource compiler
// makes them); the help window's scrolling read-only text.
TEST(DialogTemplates, IdsCountsAndRepresentativeControls) {
  using namespace resources;
  GameResources set;
  // id, width, height (0: computed from its rows), control count
  const std::array<int, 4> expected[] = {{kMainDialog, 372, 328, 27},
                                         {kControllerDialog, 0, 0, 44},
                                         {kCaptureDialog, 200, 75, 2},
                                         {kHelpDialog, 242, 241, 2}};
  for (const auto& [id, width, height, count] : expected) {
    const ui::DialogTemplate* t = set.FindDialog(id);
    ASSERT_NE(t, nullptr) << id;
    EXPECT_EQ(t->controls.size(), static_cast<std::size_t>(count)) << id;
    EXPECT_TRUE(width == 0 || (t->width == width && t->height == height)) << id;
  }
  EXPECT_EQ(set.FindDialog(103), nullptr);

  const ui::DialogTemplate& main = MainDialogTemplate();
  EXPECT_EQ(main.font_name, "MS Sans Serif");
  EXPECT_EQ(main.font_point_size, 8);
  EXPECT_TRUE(ui::HasFlag(main.style, DialogStyle::kCaption | DialogStyle::kSystemMenu |
                                          DialogStyle::kModalFrame | DialogStyle::kAppWindow));
  const ui::DialogTemplate& help = HelpDialogTemplate();
  EXPECT_FALSE(ui::HasFlag(help.style, DialogStyle::kAppWindow));
  const ControlStyle tab = ControlStyle::kTabStop;
  const ControlStyle read_only = ControlStyle::kMultiLine | ControlStyle::kReadOnly | tab;
  EXPECT_EQ(help.controls[1].style, read_only | ControlStyle::kBorder | ControlStyle::kClientEdge |
                                        ControlStyle::kVerticalScroll);
  const std::pair<int, ui::ControlTemplate> rows[] = {
      {0, {platform::kIdOk, ControlKind::kPushButton, 315, 7, 50, 14, tab, ""}},
      {3, {kMainStartGame, ControlKind::kDefaultPushButton, 315, 85, 50, 14, tab, ""}},
      {6,
       {kMainWelcome, ControlKind::kEdit, 151, 7, 145, 61, read_only | ControlStyle::kBorder, ""}},
      {11,
       {kMainRecommendedName, ControlKind::kStaticText, 229, 95, 61, 11,
        ControlStyle::kSunken | ControlStyle::kGroup, ""}},
      {24,
       {kMainDirectXPresent, ControlKind::kIcon, 268, 253, 20, 20, {}, "", kDirectXPresentIcon}},
      {25,
       {kMainDirectXMissing, ControlKind::kIcon, 259, 253, 20, 20, {}, "", kDirectXMissingIcon}},
      {26, {kMainDirectXText, ControlKind::kEdit, 156, 280, 134, 36, read_only, ""}},
  };
  for (const auto& [index, e] : rows) {
    const ui::ControlTemplate& c = main.controls[index];
    EXPECT_EQ((std::array{c.id, int(c.kind), c.x, c.y, c.width, c.height, c.image_id}),
              (std::array{e.id, int(e.kind), e.x, e.y, e.width, e.height, e.image_id}));
    EXPECT_EQ(c.style, e.style) << "control " << e.id;
  }
}

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
