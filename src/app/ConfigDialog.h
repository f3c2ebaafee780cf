#pragma once

#include <array>
#include <string>

#include "app/Banner.h"
#include "settings/DefaultPlayerControls.h"
#include "ui/Dialog.h"

// The main window: the quality level and the recommendation, the runtime
// status, the four players' Configure buttons, Help, Reset All, OK, Cancel
// and Start Game. Opening it creates the engine services and loads the
// settings; closing it releases the log and the error reporter.
class ConfigDialog : public Dialog {
 public:
  // Started from the current folder, which is the game's.
  static constexpr const char* kGameProgram = "./Zarvex.exe";

  ConfigDialog();
  ~ConfigDialog() override;

  // The quality list's index: a quality level, or -1 before the window opens.
  int GetQualityIndex() const { return m_quality_index; }

 protected:
  void DoDataExchange(ui::DataExchange& exchange) override;
  bool OnInitDialog() override;
  void OnOK() override;
  void OnHelp() override;
  void OnPaint(ui::PaintContext& context) override;
  void OnDestroy() override;

 private:
  void LoadTexts();
  void AskForRecommendation();
  void SetButtonTexts();
  void NameControlsForScreenReaders();
  void FillQualityList();
  void ShowRuntimeStatus();
  void LoadSettings();
  void DetectOnFirstRun();
  void RefreshDescription();
  void OnHelpButton();
  void OnStartGame();
  void OnResetAll();
  void OnConfigure(int button_id);

  std::string m_quality_description;
  std::string m_welcome;
  std::string m_runtime_status;
  std::string m_recommended_name;
  std::string m_quality_label;
  std::string m_recommended_label;
  std::string m_runtime_label;
  std::array<std::string, kPlayerCount> m_player_labels;
  int m_quality_index = -1;
  Banner m_banner;
};
