#include "resources/DialogTemplates.h"

#include "resources/ResourceIds.h"
#include "ui/DialogTemplate.h"

namespace resources {
namespace {

using ui::ControlKind;
using ui::ControlStyle;
using ui::DialogStyle;

constexpr int kOk = 1;
constexpr int kCancel = 2;
constexpr const char* kFont = "MS Sans Serif";

constexpr ControlStyle kButton = ControlStyle::kTabStop;
constexpr ControlStyle kList = ControlStyle::kTabStop;
constexpr ControlStyle kReadOnlyText =
    ControlStyle::kMultiLine | ControlStyle::kReadOnly | ControlStyle::kTabStop;
// Static texts start a group, as the resource compiler makes them: the arrow
// keys move among the controls from one label to the next.
constexpr ControlStyle kLabel = ControlStyle::kGroup;

ui::ControlTemplate Control(int id, ControlKind kind, int x, int y, int width, int height,
                            ControlStyle style = ControlStyle::kNone, const char* text = "",
                            int image_id = 0) {
  return ui::ControlTemplate{id, kind, x, y, width, height, style, text, image_id};
}

ui::DialogTemplate BuildMain() {
  ui::DialogTemplate t;
  t.id = kMainDialog;
  t.width = 372;
  t.height = 328;
  t.font_name = kFont;
  t.font_point_size = 8;
  // Centred is our choice; the rest is the window's fixed frame with its own
  // task-bar entry.
  t.style = DialogStyle::kCaption | DialogStyle::kSystemMenu | DialogStyle::kModalFrame |
            DialogStyle::kAppWindow | DialogStyle::kCenter;
  t.caption = "Configuration";
  t.controls = {
      Control(kOk, ControlKind::kPushButton, 315, 7, 50, 14, kButton, "OK"),
      Control(kCancel, ControlKind::kPushButton, 315, 23, 50, 14, kButton, "Cancel"),
      Control(kMainHelp, ControlKind::kPushButton, 315, 53, 50, 14, kButton, "Help"),
      Control(kMainStartGame, ControlKind::kDefaultPushButton, 315, 85, 50, 14, kButton, "Start"),
      Control(kMainResetAll, ControlKind::kPushButton, 315, 115, 50, 15, kButton, "Reset"),
      Control(kMainBannerFrame, ControlKind::kBlackFrame, 7, 7, 137, 314),
      Control(kMainWelcome, ControlKind::kEdit, 151, 7, 145, 61,
              kReadOnlyText | ControlStyle::kBorder, "Welcome"),
      Control(kMainQualityGroup, ControlKind::kGroupBox, 151, 68, 146, 91),
      Control(kMainQualityLabel, ControlKind::kStaticText, 156, 79, 65, 10, kLabel, "Quality"),
      Control(kMainQualityList, ControlKind::kDropDownList, 229, 77, 61, 41, kList),
      Control(kMainRecommendedLabel, ControlKind::kStaticText, 156, 95, 65, 9, kLabel,
              "Recommended"),
      Control(kMainRecommendedName, ControlKind::kStaticText, 229, 95, 61, 11,
              ControlStyle::kSunken | kLabel, "Level"),
      Control(kMainDescription, ControlKind::kEdit, 156, 110, 135, 42, kReadOnlyText,
              "Description"),
      Control(kMainControllerGroup, ControlKind::kGroupBox, 151, 162, 146, 81),
      Control(kMainPlayer1Label, ControlKind::kStaticText, 155, 173, 55, 8, kLabel, "Player 1:"),
      Control(kMainPlayer1Label + 1, ControlKind::kStaticText, 155, 190, 55, 8, kLabel,
              "Player 2:"),
      Control(kMainPlayer1Label + 2, ControlKind::kStaticText, 155, 207, 55, 8, kLabel,
              "Player 3:"),
      Control(kMainPlayer1Label + 3, ControlKind::kStaticText, 155, 224, 55, 8, kLabel,
              "Player 4:"),
      Control(kMainConfigure1, ControlKind::kPushButton, 235, 175, 55, 15, kButton, "Configure"),
      Control(kMainConfigure1 + 1, ControlKind::kPushButton, 235, 190, 55, 15, kButton,
              "Configure"),
      Control(kMainConfigure1 + 2, ControlKind::kPushButton, 235, 205, 55, 15, kButton,
              "Configure"),
      Control(kMainConfigure1 + 3, ControlKind::kPushButton, 235, 220, 55, 15, kButton,
              "Configure"),
      Control(kMainDirectXGroup, ControlKind::kGroupBox, 151, 245, 146, 76),
      Control(kMainDirectXLabel, ControlKind::kStaticText, 155, 253, 81, 20,
              ControlStyle::kCenterVertically | kLabel, "DirectX"),
      Control(kMainDirectXPresent, ControlKind::kIcon, 268, 253, 20, 20, ControlStyle::kNone, "",
              kDirectXPresentIcon),
      Control(kMainDirectXMissing, ControlKind::kIcon, 259, 253, 20, 20, ControlStyle::kNone, "",
              kDirectXMissingIcon),
      Control(kMainDirectXText, ControlKind::kEdit, 156, 280, 134, 36, kReadOnlyText, "Status"),
  };
  return t;
}

ui::DialogTemplate BuildHelp() {
  ui::DialogTemplate t;
  t.id = kHelpDialog;
  t.width = 242;
  t.height = 241;
  t.font_name = kFont;
  t.font_point_size = 8;
  t.style = DialogStyle::kCaption | DialogStyle::kModalFrame | DialogStyle::kCenter;
  t.caption = "Help";
  t.controls = {
      Control(kOk, ControlKind::kDefaultPushButton, 95, 220, 50, 14, kButton, "OK"),
      Control(kHelpText, ControlKind::kEdit, 5, 5, 230, 205,
              kReadOnlyText | ControlStyle::kBorder | ControlStyle::kClientEdge |
                  ControlStyle::kVerticalScroll,
              "Help"),
  };
  return t;
}

// The controller window: the device row, then three group boxes holding the
// action rows (label, list, Assign) in the order of kControllerRowActions;
// OK, Cancel and Restore on the right.
constexpr int kGroupX = 7;
constexpr int kGroupWidth = 186;
constexpr int kRowStep = 17;
constexpr int kGroupTop = 11;  // first row below the group's caption
constexpr int kGroupBottom = 3;
constexpr int kGroupGap = 4;
constexpr int kLabelX = 13;
constexpr int kLabelWidth = 55;
constexpr int kListX = 70;
constexpr int kListWidth = 80;
constexpr int kListDropHeight = 150;  // height including the open list
constexpr int kAssignX = 154;
constexpr int kAssignWidth = 34;
constexpr int kButtonX = 200;
constexpr int kButtonWidth = 50;

int AddGroup(ui::DialogTemplate& t, int group_id, const char* text, int top, int first_row,
             int row_count) {
  const int height = kGroupTop + row_count * kRowStep + kGroupBottom;
  t.controls.push_back(Control(group_id, ControlKind::kGroupBox, kGroupX, top, kGroupWidth, height,
                               ControlStyle::kNone, text));
  for (int row = 0; row < row_count; ++row) {
    const int action = kControllerRowActions[first_row + row];
    const int y = top + kGroupTop + row * kRowStep;
    t.controls.push_back(Control(kControllerActionLabelBase + action, ControlKind::kStaticText,
                                 kLabelX, y + 4, kLabelWidth, 8, kLabel, "Action"));
    t.controls.push_back(Control(kControllerActionListBase + action, ControlKind::kDropDownList,
                                 kListX, y + 1, kListWidth, kListDropHeight, kList));
    t.controls.push_back(Control(kControllerAssignBase + action, ControlKind::kPushButton, kAssignX,
                                 y, kAssignWidth, 14, kButton, "Assign"));
  }
  return top + height + kGroupGap;
}

ui::DialogTemplate BuildController() {
  ui::DialogTemplate t;
  t.id = kControllerDialog;
  t.font_name = kFont;
  t.font_point_size = 8;
  t.style = DialogStyle::kCaption | DialogStyle::kSystemMenu | DialogStyle::kModalFrame |
            DialogStyle::kCenter;
  t.caption = "Controller";
  t.controls = {
      Control(kControllerDeviceLabel, ControlKind::kStaticText, kLabelX, 9, kLabelWidth, 8, kLabel,
              "Controller"),
      Control(kControllerDeviceList, ControlKind::kDropDownList, kListX, 7, 118, 100, kList),
  };
  int top = 26;
  top = AddGroup(t, kControllerMenuGroup, "Menu", top, 0, 4);
  top = AddGroup(t, kControllerSharedGroup, "Shared", top, 4, 3);
  top = AddGroup(t, kControllerGameGroup, "Game", top, 7, 5);
  t.controls.push_back(
      Control(kOk, ControlKind::kDefaultPushButton, kButtonX, 7, kButtonWidth, 14, kButton, "OK"));
  t.controls.push_back(Control(kCancel, ControlKind::kPushButton, kButtonX, 24, kButtonWidth, 14,
                               kButton, "Cancel"));
  t.controls.push_back(Control(kControllerRestore, ControlKind::kPushButton, kButtonX, 48,
                               kButtonWidth, 14, kButton, "Restore"));
  t.width = kButtonX + kButtonWidth + 7;
  t.height = top - kGroupGap + 7;
  return t;
}

ui::DialogTemplate BuildCapture() {
  ui::DialogTemplate t;
  t.id = kCaptureDialog;
  t.width = 200;
  t.height = 75;
  t.font_name = kFont;
  t.font_point_size = 8;
  t.style = DialogStyle::kCaption | DialogStyle::kSystemMenu | DialogStyle::kModalFrame |
            DialogStyle::kCenter;
  t.caption = "Input";
  t.controls = {
      Control(kCapturePrompt, ControlKind::kStaticText, 7, 7, 186, 40, kLabel, "Press a button"),
      Control(kCancel, ControlKind::kPushButton, 75, 54, 50, 14, kButton, "Cancel"),
  };
  return t;
}

}  // namespace

const ui::DialogTemplate& MainDialogTemplate() {
  static const ui::DialogTemplate t = BuildMain();
  return t;
}

const ui::DialogTemplate& ControllerDialogTemplate() {
  static const ui::DialogTemplate t = BuildController();
  return t;
}

const ui::DialogTemplate& CaptureDialogTemplate() {
  static const ui::DialogTemplate t = BuildCapture();
  return t;
}

const ui::DialogTemplate& HelpDialogTemplate() {
  static const ui::DialogTemplate t = BuildHelp();
  return t;
}

}  // namespace resources
