#include <gtest/gtest.h>

#include <cstdlib>
#include <set>
#include <string>

#include <QApplication>
#include <QImage>
#include <QPixmap>
#include <QWidget>

#include "QtTestSupport.h"
#include "platform/MessageBox.h"
#include "resources/GameResources.h"
#include "resources/ResourceIds.h"
#include "ui/PaintContext.h"
#include "ui/StringTable.h"
#include "ui/qt/QtDialogBackend.h"
#include "ui/qt/QtDialogWindow.h"

namespace {

using namespace resources;

int EnvironmentNumber(const char* name, int fallback) {
  const char* value = std::getenv(name);
  return value != nullptr ? std::atoi(value) : fallback;
}

// Fills a window of the program's own templates with its texts, as the
// windows built on them do, so that it can be looked at (others keep the
// template's texts).
void FillWithTexts(qttest::TestDialog& d) {
  if (d.GetTemplateId() != kMainDialog) return;
  d.SetWindowText(ui::LoadString(4));
  d.SetWindowIcon(kAppIcon);
  const std::pair<int, unsigned> texts[] = {
      {kMainWelcome, 14},        {kMainQualityLabel, 8}, {kMainRecommendedLabel, 9},
      {kMainDirectXLabel, 10},   {platform::kIdOk, 11},  {platform::kIdCancel, 12},
      {kMainHelp, 13},           {kMainResetAll, 65},    {kMainStartGame, 23},
      {kMainRecommendedName, 6}, {kMainDescription, 15}, {kMainDirectXText, 1}};
  for (const auto& [control, string_id] : texts)
    d.SetControlText(control, ui::LoadString(string_id));
  for (int player = 0; player < 4; ++player) {
    d.SetControlText(kMainPlayer1Label + player, ui::LoadString(18 + player) + ":");
    d.SetControlText(kMainConfigure1 + player, ui::LoadString(22));
  }
  for (unsigned id = 5; id <= 7; ++id) d.AddListItem(kMainQualityList, ui::LoadString(id), 0);
  d.SetListSelection(kMainQualityList, 0);
  d.HideControl(kMainDirectXMissing);
  d.ShowControl(kMainDirectXPresent);
  d.on_paint = [](ui::PaintContext& context) {
    context.StretchBitmapToControl(kMainBannerFrame, kBannerBitmap);
  };
}

// Shows one of the program's windows on a real display, for a person to look
// at: run with DISPLAY set and --gtest_also_run_disabled_tests; QV_TEMPLATE
// picks the window (102 by default), QV_SHOW_MS how long it stays (default
// 2000) and QV_SHOT_PATH, when set, where its picture is saved.
TEST(OnDisplay, DISABLED_ProgramWindow) {
  qttest::EnsureApplication();
  resources::GameResources resources;
  ui::qt::QtDialogBackend backend;
  qttest::TestDialog dialog(EnvironmentNumber("QV_TEMPLATE", kMainDialog));
  bool painted_something = false;
  dialog.on_init = [&](qttest::TestDialog& d) {
    FillWithTexts(d);
    qttest::Later(
        [&] {
          const QImage shot = d.QtWindow().Widget()->grab().toImage();
          // Texts, frames and pictures make many colours; an empty window has one.
          std::set<QRgb> colours;
          for (int y = 0; y < shot.height(); y += 3) {
            for (int x = 0; x < shot.width(); x += 3) colours.insert(shot.pixel(x, y));
          }
          painted_something = colours.size() > 8;
          if (const char* path = std::getenv("QV_SHOT_PATH")) {
            shot.save(QString::fromLocal8Bit(path));
          }
          d.EndDialog(platform::kIdOk);
        },
        EnvironmentNumber("QV_SHOW_MS", 2000));
  };
  EXPECT_EQ(dialog.DoModal(), platform::kIdOk);
  EXPECT_TRUE(painted_something);
}

}  // namespace
