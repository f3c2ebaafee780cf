#pragma once

#include <array>

// Ids of the program's resources and of the controls of its dialogs.
namespace resources {

// Dialog templates.
constexpr int kMainDialog = 102;
constexpr int kControllerDialog = 145;
constexpr int kCaptureDialog = 146;
constexpr int kHelpDialog = 147;

// Bitmap and icons.
constexpr int kBannerBitmap = 141;
constexpr int kAppIcon = 128;
constexpr int kDirectXPresentIcon = 131;
constexpr int kDirectXMissingIcon = 144;

// Main window (102); OK and Cancel are 1 and 2.
constexpr int kMainHelp = 9;
constexpr int kMainStartGame = 10;
constexpr int kMainWelcome = 1000;
constexpr int kMainQualityList = 1001;
constexpr int kMainDescription = 1004;
constexpr int kMainDirectXText = 1005;
constexpr int kMainRecommendedName = 1006;
constexpr int kMainQualityLabel = 1007;
constexpr int kMainRecommendedLabel = 1008;
constexpr int kMainDirectXLabel = 1009;
constexpr int kMainDirectXPresent = 1010;
constexpr int kMainDirectXMissing = 1011;
constexpr int kMainBannerFrame = 1012;
constexpr int kMainPlayer1Label = 1014;  // to 1017 for player 4
constexpr int kMainConfigure1 = 1046;    // to 1049 for player 4
constexpr int kMainResetAll = 1069;
// The three group boxes, which have no title; the ids only name them for
// screen readers.
constexpr int kMainQualityGroup = 1080;
constexpr int kMainControllerGroup = 1081;
constexpr int kMainDirectXGroup = 1082;

// Help window (147); its OK is 1.
constexpr int kHelpText = 1067;

// Controller window (145); OK and Cancel are 1 and 2. Each action row has a
// label, a drop-down list and an Assign button; their ids are the base plus
// the action's index in a player's block (UP 0 ... HARDDROP 11).
constexpr int kControllerDeviceLabel = 1090;
constexpr int kControllerDeviceList = 1091;
constexpr int kControllerMenuGroup = 1092;
constexpr int kControllerSharedGroup = 1093;
constexpr int kControllerGameGroup = 1094;
constexpr int kControllerRestore = 1095;
constexpr int kControllerActionLabelBase = 1100;
constexpr int kControllerActionListBase = 1120;
constexpr int kControllerAssignBase = 1140;
constexpr int kControllerActionCount = 12;

// The action indices of the controller window's rows, top to bottom:
// SELECT, CANCEL, UP, DOWN (menu group); RIGHT, LEFT, START (shared group);
// HOLD, HARDDROP, SOFTDROP, ROTATELEFT, ROTATERIGHT (game group).
constexpr std::array<int, kControllerActionCount> kControllerRowActions = {5, 4, 0,  1,  3, 2,
                                                                           7, 6, 11, 10, 9, 8};

// Capture window (146); its Cancel is 2.
constexpr int kCapturePrompt = 1200;

}  // namespace resources
