#pragma once

#include <initializer_list>
#include <string>
#include <utility>
#include <vector>

#include "platform/MessageBox.h"
#include "resources/ResourceIds.h"
#include "resources/StringIds.h"
#include "resources/StringTexts.h"
#include "ui/ResourceStrings.h"

// Every text of the string table that each window of the program can show,
// by control, for the toolkits' text-fit tests.
namespace windowtexts {

using namespace resources;

// The third runtime text needs six lines of the runtime status's four with
// every face and size tried, the template face's own metrics included: the
// template's control is too small for it. It scrolls with the keyboard.
inline bool CannotFit(int template_id, int control_id, const std::string& text) {
  return template_id == kMainDialog && control_id == kMainDirectXText &&
         text == ui::LoadString(kStrRuntimeOlder);
}

struct Shown {
  int control_id;
  std::vector<std::string> texts;
};

inline std::vector<std::string> Strings(std::initializer_list<unsigned> ids) {
  std::vector<std::string> texts;
  for (unsigned id : ids) texts.push_back(ui::LoadString(id));
  return texts;
}

// Every text each window can show, by control.
inline std::vector<std::pair<int, std::vector<Shown>>> WindowTexts() {
  std::vector<std::string> players, key_names;
  for (unsigned p = 0; p < 4; ++p) {
    players.push_back(ui::FormatString(kStrPlayerLabelFormat, {ui::LoadString(kStrPlayer1 + p)}));
  }
  // Key names (98 to 197), gamepad buttons and directions, and "(none)".
  for (unsigned id = 26; id <= 197; ++id) {
    const bool key = id >= 98 || (id >= kStrButton1 && id < kStrButton1 + 15) || id <= 29;
    if (key && FindStringText(id)) key_names.push_back(ui::LoadString(id));
  }
  key_names.push_back(ui::LoadString(kStrKeyNone));
  const std::vector<std::string> actions =
      Strings({26, 27, 28, 29, 12, 51, 45, 53, 49, 50, 48, 47});
  std::vector<Shown> main = {
      {platform::kIdOk, Strings({kStrOk})},
      {platform::kIdCancel, Strings({kStrCancel})},
      {kMainHelp, Strings({kStrHelp})},
      {kMainStartGame, Strings({kStrStartGame})},
      {kMainResetAll, Strings({kStrResetAll})},
      {kMainWelcome, Strings({kStrWelcome})},
      {kMainQualityLabel, Strings({kStrQualityLabel})},
      {kMainQualityList, Strings({kStrHigh, kStrMedium, kStrLow})},
      {kMainRecommendedLabel, Strings({kStrRecommendedLabel})},
      {kMainRecommendedName, Strings({kStrHigh, kStrMedium, kStrLow})},
      {kMainDescription, Strings({kStrDescriptionHigh, kStrDescriptionMedium, kStrDescriptionLow,
                                  kStrDescriptionUnknown})},
      {kMainDirectXLabel, Strings({kStrRuntimeLabel})},
      {kMainDirectXText, Strings({kStrRuntimeReady, kStrRuntimeMissing, kStrRuntimeOlder})},
  };
  for (int p = 0; p < 4; ++p) {
    main.push_back({kMainPlayer1Label + p, {players[static_cast<std::size_t>(p)]}});
    main.push_back({kMainConfigure1 + p, Strings({kStrConfigure})});
  }
  std::vector<Shown> controller = {
      {kControllerDeviceLabel, Strings({kStrControllerLabel})},
      {kControllerDeviceList, Strings({kStrKeyboard})},
      {kControllerMenuGroup, Strings({kStrMenuGroup})},
      {kControllerSharedGroup, Strings({kStrSharedGroup})},
      {kControllerGameGroup, Strings({kStrGameGroup})},
      {platform::kIdOk, Strings({kStrOk})},
      {platform::kIdCancel, Strings({kStrCancel})},
      {kControllerRestore, Strings({kStrRestore})},
  };
  for (int action = 0; action < kControllerActionCount; ++action) {
    controller.push_back({kControllerActionLabelBase + action, actions});
    controller.push_back({kControllerActionListBase + action, key_names});
    controller.push_back({kControllerAssignBase + action, Strings({kStrAssign})});
  }
  return {
      {kMainDialog, main},
      {kControllerDialog, controller},
      {kCaptureDialog,
       {{kCapturePrompt, Strings({kStrCapturePrompt})},
        {platform::kIdCancel, Strings({kStrCancel})}}},
      {kHelpDialog, {{platform::kIdOk, Strings({kStrOk})}}},
  };
}

}  // namespace windowtexts
