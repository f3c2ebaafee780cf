#include "app/ConfigDialog.h"

#include <cstddef>
#include <optional>

#include "app/EngineServices.h"
#include "app/HelpDialog.h"
#include "app/RuntimeStatus.h"
#include "controls/ControllerDialog.h"
#include "resources/StringIds.h"
#include "assets/AssetRegistry.h"
#include "engine/ErrorCode.h"
#include "hardware/HardwareProbe.h"
#include "platform/GraphicsRuntime.h"
#include "platform/MessageBox.h"
#include "platform/ProcessLauncher.h"
#include "resources/ResourceIds.h"
#include "settings/GameSettings.h"
#include "ui/DataExchange.h"
#include "ui/Notification.h"
#include "ui/PaintContext.h"
#include "ui/ResourceStrings.h"

namespace {

// The name of a level as the lists show it; empty for a level not chosen.
std::string LevelName(QualityLevel level) {
  switch (level) {
    case QualityLevel::High:
      return ui::LoadString(kStrHigh);
    case QualityLevel::Medium:
      return ui::LoadString(kStrMedium);
    case QualityLevel::Low:
      return ui::LoadString(kStrLow);
  }
  return std::string();
}

unsigned DescriptionId(int quality_index) {
  switch (quality_index) {
    case 0:
      return kStrDescriptionHigh;
    case 1:
      return kStrDescriptionMedium;
    case 2:
      return kStrDescriptionLow;
    default:
      return kStrDescriptionUnknown;
  }
}

int ConfigureButton(std::size_t player) {
  return resources::kMainConfigure1 + static_cast<int>(player);
}

}  // namespace

ConfigDialog::ConfigDialog() : Dialog(resources::kMainDialog) {
  m_quality_description = ui::LoadString(kStrDescriptionHigh);
  MapCommand(resources::kMainQualityList, ui::Notification::kSelectionChanged,
             [this] { RefreshDescription(); });
  MapCommand(resources::kMainHelp, ui::Notification::kClicked, [this] { OnHelpButton(); });
  MapCommand(resources::kMainStartGame, ui::Notification::kClicked, [this] { OnStartGame(); });
  MapCommand(resources::kMainResetAll, ui::Notification::kClicked, [this] { OnResetAll(); });
  MapCommandRange(resources::kMainConfigure1, ConfigureButton(kPlayerCount - 1),
                  ui::Notification::kClicked, [this](int id) { OnConfigure(id); });
}

ConfigDialog::~ConfigDialog() = default;

void ConfigDialog::DoDataExchange(ui::DataExchange& exchange) {
  if (!exchange.IsSaving()) {
    LoadTexts();
    AskForRecommendation();
  }
  exchange.Text(resources::kMainWelcome, m_welcome);
  exchange.ListIndex(resources::kMainQualityList, m_quality_index);
  exchange.Text(resources::kMainDescription, m_quality_description);
  exchange.Text(resources::kMainDirectXText, m_runtime_status);
  exchange.Text(resources::kMainRecommendedName, m_recommended_name);
  exchange.Text(resources::kMainQualityLabel, m_quality_label);
  exchange.Text(resources::kMainRecommendedLabel, m_recommended_label);
  exchange.Text(resources::kMainDirectXLabel, m_runtime_label);
  for (std::size_t player = 0; player < kPlayerCount; ++player) {
    exchange.Text(resources::kMainPlayer1Label + static_cast<int>(player), m_player_labels[player]);
  }
}

void ConfigDialog::LoadTexts() {
  SetWindowText(ui::LoadString(kStrWindowTitle));
  m_welcome = ui::LoadString(kStrWelcome);
  m_quality_label = ui::LoadString(kStrQualityLabel);
  m_recommended_label = ui::LoadString(kStrRecommendedLabel);
  m_runtime_label = ui::LoadString(kStrRuntimeLabel);
  for (std::size_t player = 0; player < kPlayerCount; ++player) {
    m_player_labels[player] =
        ui::FormatString(kStrPlayerLabelFormat, {ui::LoadString(kStrPlayer1 + player)});
  }
}

// Asked on every refresh, not once per window: each call appends a
// "Result:" line to Recon.dat, and that report is meant to show every
// refresh. Keeping the name from the first call would lose those lines.
void ConfigDialog::AskForRecommendation() {
  m_recommended_name = LevelName(HardwareProbe::Recommend());
}

bool ConfigDialog::OnInitDialog() {
  // The first refresh asks the hardware probe, before any engine service.
  Dialog::OnInitDialog();
  SetButtonTexts();
  NameControlsForScreenReaders();
  FillQualityList();
  ShowRuntimeStatus();
  m_banner.Load(resources::kBannerBitmap);
  SetWindowIcon(resources::kAppIcon);
  EngineServices::Create();
  LoadSettings();
  DetectOnFirstRun();
  UpdateData(false);
  RefreshDescription();
  return true;
}

void ConfigDialog::SetButtonTexts() {
  SetControlText(platform::kIdOk, ui::LoadString(kStrOk));
  SetControlText(platform::kIdCancel, ui::LoadString(kStrCancel));
  SetControlText(resources::kMainHelp, ui::LoadString(kStrHelp));
  SetControlText(resources::kMainResetAll, ui::LoadString(kStrResetAll));
  for (std::size_t player = 0; player < kPlayerCount; ++player) {
    SetControlText(ConfigureButton(player), ui::LoadString(kStrConfigure));
  }
  SetControlText(resources::kMainStartGame, ui::LoadString(kStrStartGame));
}

// What the texts do not tell a screen reader: which player each Configure
// button is for, and what the pictures, read-only texts and untitled group
// boxes are. The quality list is named by its label.
void ConfigDialog::NameControlsForScreenReaders() {
  for (std::size_t player = 0; player < kPlayerCount; ++player) {
    SetControlAccessibleName(ConfigureButton(player), ui::LoadString(kStrConfigure) + " " +
                                                          ui::LoadString(kStrPlayer1 + player));
  }
  SetControlAccessibleName(resources::kMainBannerFrame, ui::LoadString(kStrBannerName));
  SetControlAccessibleName(resources::kMainDirectXPresent,
                           ui::LoadString(kStrRuntimeReadyIconName));
  SetControlAccessibleName(resources::kMainDirectXMissing,
                           ui::LoadString(kStrRuntimeMissingIconName));
  SetControlAccessibleName(resources::kMainWelcome, ui::LoadString(kStrWelcomeName));
  SetControlAccessibleName(resources::kMainDescription, ui::LoadString(kStrDescriptionName));
  SetControlAccessibleName(resources::kMainDirectXText, ui::LoadString(kStrRuntimeLabel));
  SetControlAccessibleName(resources::kMainQualityGroup, ui::LoadString(kStrQualityLabel));
  SetControlAccessibleName(resources::kMainControllerGroup, ui::LoadString(kStrControllerLabel));
  SetControlAccessibleName(resources::kMainDirectXGroup, ui::LoadString(kStrRuntimeLabel));
}

void ConfigDialog::FillQualityList() {
  AddListItem(resources::kMainQualityList, ui::LoadString(kStrHigh));
  AddListItem(resources::kMainQualityList, ui::LoadString(kStrMedium));
  AddListItem(resources::kMainQualityList, ui::LoadString(kStrLow));
  SetListSelection(resources::kMainQualityList, 0);
}

void ConfigDialog::ShowRuntimeStatus() {
  const std::optional<platform::RuntimeVersion> version =
      platform::GetGraphicsRuntime().QueryVersion();
  const RuntimeStatus status =
      RuntimeStatus::FromQuery(version.has_value(), version ? version->version : 0);
  ShowControl(status.VisibleIconControl());
  HideControl(status.HiddenIconControl());
  m_runtime_status = ui::LoadString(status.TextId());
}

void ConfigDialog::LoadSettings() {
  GameSettings& settings = *GameSettings::s_instance;
  // On any failure the defaults stand; the load has logged what it met.
  settings.Load(kAssetQVConfig_INI, nullptr);
  m_quality_index = static_cast<int>(settings.m_performance);
}

// No level chosen yet: the recommended one, with its preset, is stored at
// once. A missing file leaves High, which counts as chosen.
void ConfigDialog::DetectOnFirstRun() {
  GameSettings& settings = *GameSettings::s_instance;
  if (IsChosen(settings.m_performance)) return;
  settings.Reset();
  const QualityLevel recommended = HardwareProbe::Recommend();
  m_quality_index = static_cast<int>(recommended);
  HardwareProbe::ApplyPreset(recommended);
  settings.Save(kAssetQVConfig_INI, nullptr);
}

void ConfigDialog::RefreshDescription() {
  UpdateData(true);
  m_quality_description = ui::LoadString(DescriptionId(m_quality_index));
  UpdateData(false);
}

void ConfigDialog::OnOK() {
  UpdateData(true);
  HardwareProbe::ApplyPreset(static_cast<QualityLevel>(m_quality_index));
  GameSettings::s_instance->Save(kAssetQVConfig_INI, nullptr);
  Dialog::OnOK();
}

void ConfigDialog::OnHelp() {
  // F1 does nothing in the main window: the help is the Help button's.
}

void ConfigDialog::OnHelpButton() {
  HelpDialog help;
  help.DoModal();
}

void ConfigDialog::OnStartGame() {
  // Every change of the list has already stored the index.
  HardwareProbe::ApplyPreset(static_cast<QualityLevel>(m_quality_index));
  GameSettings::s_instance->Save(kAssetQVConfig_INI, nullptr);
  const std::optional<platform::SystemError> failed =
      platform::GetProcessLauncher().Start(kGameProgram);
  if (!failed) {
    Dialog::OnOK();
    return;
  }
  // The settings stay saved; the player may fix the folder and try again.
  MessageBox(failed->text, ui::LoadString(kStrGameErrorCaption),
             platform::kMbOk | platform::kMbIconStop);
}

void ConfigDialog::OnResetAll() {
  if (MessageBox(ui::LoadString(kStrResetQuestion), ui::LoadString(kStrResetCaption),
                 platform::kMbYesNo | platform::kMbIconExclamation) != platform::kIdYes) {
    return;
  }
  // Only in memory: OK or Start Game stores it, Cancel drops it.
  GameSettings::s_instance->Reset();
  m_quality_index = static_cast<int>(HardwareProbe::Recommend());
  UpdateData(false);
  RefreshDescription();
}

void ConfigDialog::OnConfigure(int button_id) {
  // The controller window edits the record in memory; OK or Start Game here
  // saves it with everything else.
  const int player = button_id - resources::kMainConfigure1;
  ControllerDialog controller(GameSettings::s_instance->m_players[player], this);
  controller.DoModal();
}

void ConfigDialog::OnPaint(ui::PaintContext& context) {
  if (context.IsMinimized()) {
    context.DrawIconCentered(resources::kAppIcon);
    return;
  }
  m_banner.Paint(context, resources::kMainBannerFrame);
}

void ConfigDialog::OnDestroy() {
  EngineServices::ReleaseWindowServices();
}
