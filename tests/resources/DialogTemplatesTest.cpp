#include "resources/DialogTemplates.h"

#include <gtest/gtest.h>

#include <array>
#include <set>
#include <vector>

#include "resources/GameResources.h"
#include "resources/ResourceIds.h"
#include "ui/DialogTemplate.h"

namespace {

using ui::ControlKind;
using ui::ControlStyle;
using ui::DialogStyle;

struct Expected {
  int id;
  ControlKind kind;
  int x, y, width, height;
  ControlStyle style;  // bits that must be set
};

constexpr ControlStyle kEditBits = ControlStyle::kMultiLine | ControlStyle::kReadOnly;

void ExpectControls(const ui::DialogTemplate& t, const std::vector<Expected>& expected) {
  ASSERT_EQ(t.controls.size(), expected.size()) << "dialog " << t.id;
  for (std::size_t i = 0; i < expected.size(); ++i) {
    const ui::ControlTemplate& c = t.controls[i];
    const Expected& e = expected[i];
    EXPECT_EQ(c.id, e.id) << i;
    EXPECT_EQ(c.kind, e.kind) << i;
    EXPECT_EQ((std::array{c.x, c.y, c.width, c.height}), (std::array{e.x, e.y, e.width, e.height}))
        << "control " << e.id;
    EXPECT_TRUE(ui::HasFlag(c.style, e.style)) << "control " << e.id;
  }
}

// The main and help windows' controls: ids, kinds, positions, sizes and
// styles; every template is reachable through the resource set by its id.
TEST(DialogTemplates, MainAndHelpWindowsMatchTheirTables) {
  const ui::DialogTemplate& t = resources::MainDialogTemplate();
  EXPECT_EQ((std::array{t.id, t.width, t.height}), (std::array{102, 372, 328}));
  EXPECT_EQ(t.font_name, "MS Sans Serif");
  EXPECT_EQ(t.font_point_size, 8);
  EXPECT_TRUE(ui::HasFlag(t.style, DialogStyle::kCaption | DialogStyle::kSystemMenu |
                                       DialogStyle::kModalFrame | DialogStyle::kAppWindow));
  const ControlStyle none = ControlStyle::kNone;
  ExpectControls(
      t, {
             {1, ControlKind::kPushButton, 315, 7, 50, 14, none},
             {2, ControlKind::kPushButton, 315, 23, 50, 14, none},
             {9, ControlKind::kPushButton, 315, 53, 50, 14, none},
             {10, ControlKind::kDefaultPushButton, 315, 85, 50, 14, none},
             {1069, ControlKind::kPushButton, 315, 115, 50, 15, none},
             {1012, ControlKind::kBlackFrame, 7, 7, 137, 314, none},
             {1000, ControlKind::kEdit, 151, 7, 145, 61, kEditBits | ControlStyle::kBorder},
             {-1, ControlKind::kGroupBox, 151, 68, 146, 91, none},
             {1007, ControlKind::kStaticText, 156, 79, 65, 10, none},
             {1001, ControlKind::kDropDownList, 229, 77, 61, 41, none},
             {1008, ControlKind::kStaticText, 156, 95, 65, 9, none},
             {1006, ControlKind::kStaticText, 229, 95, 61, 11, ControlStyle::kSunken},
             {1004, ControlKind::kEdit, 156, 110, 135, 42, kEditBits},
             {-1, ControlKind::kGroupBox, 151, 162, 146, 81, none},
             {1014, ControlKind::kStaticText, 155, 173, 55, 8, none},
             {1015, ControlKind::kStaticText, 155, 190, 55, 8, none},
             {1016, ControlKind::kStaticText, 155, 207, 55, 8, none},
             {1017, ControlKind::kStaticText, 155, 224, 55, 8, none},
             {1046, ControlKind::kPushButton, 235, 175, 55, 15, none},
             {1047, ControlKind::kPushButton, 235, 190, 55, 15, none},
             {1048, ControlKind::kPushButton, 235, 205, 55, 15, none},
             {1049, ControlKind::kPushButton, 235, 220, 55, 15, none},
             {-1, ControlKind::kGroupBox, 151, 245, 146, 76, none},
             {1009, ControlKind::kStaticText, 155, 253, 81, 20, ControlStyle::kCenterVertically},
             {1010, ControlKind::kIcon, 268, 253, 20, 20, none},
             {1011, ControlKind::kIcon, 259, 253, 20, 20, none},
             {1005, ControlKind::kEdit, 156, 280, 134, 36, kEditBits},
         });
  EXPECT_EQ(t.FindControl(1010)->image_id, 131);
  EXPECT_EQ(t.FindControl(1011)->image_id, 144);
  // Only the welcome edit has a border; no edit of this window scrolls.
  EXPECT_FALSE(ui::HasFlag(t.FindControl(1004)->style, ControlStyle::kBorder));
  EXPECT_FALSE(ui::HasFlag(t.FindControl(1000)->style, ControlStyle::kVerticalScroll));

  const ui::DialogTemplate& help = resources::HelpDialogTemplate();
  EXPECT_EQ((std::array{help.id, help.width, help.height}), (std::array{147, 242, 241}));
  EXPECT_EQ(help.font_name, "MS Sans Serif");
  EXPECT_TRUE(ui::HasFlag(help.style, DialogStyle::kCaption | DialogStyle::kModalFrame));
  EXPECT_FALSE(ui::HasFlag(help.style, DialogStyle::kAppWindow));
  ExpectControls(help, {{1, ControlKind::kDefaultPushButton, 95, 220, 50, 14, none},
                        {1067, ControlKind::kEdit, 5, 5, 230, 205,
                         kEditBits | ControlStyle::kBorder | ControlStyle::kClientEdge |
                             ControlStyle::kVerticalScroll}});

  resources::GameResources set;
  for (int id : {102, 145, 146, 147}) {
    ASSERT_NE(set.FindDialog(id), nullptr) << id;
    EXPECT_EQ(set.FindDialog(id)->id, id);
  }
  EXPECT_EQ(set.FindDialog(103), nullptr);
}

// The controller window: every row complete (label, list, assign button in
// order across the row), rows going down in table order, all inside the window.
TEST(DialogTemplates, ControllerWindowRowsComplete) {
  using namespace resources;
  const ui::DialogTemplate& t = ControllerDialogTemplate();
  EXPECT_EQ(t.FindControl(kControllerDeviceList)->kind, ControlKind::kDropDownList);
  int previous_y = t.FindControl(kControllerDeviceList)->y;
  for (int action : kControllerRowActions) {
    const ui::ControlTemplate* label = t.FindControl(kControllerActionLabelBase + action);
    const ui::ControlTemplate* list = t.FindControl(kControllerActionListBase + action);
    const ui::ControlTemplate* assign = t.FindControl(kControllerAssignBase + action);
    ASSERT_TRUE(label && list && assign) << action;
    EXPECT_EQ((std::array{label->kind, list->kind, assign->kind}),
              (std::array{ControlKind::kStaticText, ControlKind::kDropDownList,
                          ControlKind::kPushButton}));
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
