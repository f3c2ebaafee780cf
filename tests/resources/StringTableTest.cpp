#include "resources/StringTable.h"

#include <gtest/gtest.h>

#include <string>
#include <utility>

#include "resources/GameResources.h"
#include "resources/StringIds.h"
#include "ui/StringTable.h"

namespace {

// Texts the windows compare with or show verbatim (blanks and all), key names
// whose ids do not follow their order, the multi-line welcome and help texts
// (the help joined from two entries), and the count: 169 ids from 1 to 201
// have a text, and the five names for screen readers from 202 on; none
// outside.
TEST(GameStrings, ExactTextsAndCount) {
  resources::GameResources resources;
  const std::pair<unsigned, const char*> texts[] = {
      {kStrRuntimeReady, "DirectX 8.0 is correctly installed.  You are ready to play Zarvex."},
      {kStrWindowTitle, "Zarvex Configuration"},
      {kStrCodeInUse, "%s is currently used by %s.  Please make another selection.  "},
      {kStrPlayerLabelFormat, "%s:"}};
  for (const auto& [id, text] : texts) EXPECT_EQ(ui::LoadString(id), text) << id;
  EXPECT_EQ(ui::LoadString(101) + "|" + ui::LoadString(197) + "|" + ui::LoadString(170) + "|" +
                ui::LoadString(kStrButton1 + 14),
            "ESC|Numpad 2|Numpad 3|Button 15");
  EXPECT_TRUE(ui::LoadString(kStrWelcome).starts_with("Zarvex\r\n"));
  EXPECT_TRUE(ui::LoadString(kStrWelcome)
                  .ends_with("\r\n\r\nWelcome to the Zarvex Configuration program."));
  const std::string help = ui::LoadString(kStrHelpText) + ui::LoadString(kStrHelpTextMore);
  EXPECT_NE(help.find(".\r\n\r\nController Selection\r\n\r\n"), std::string::npos);
  EXPECT_TRUE(help.ends_with("button resets all controllers to the default settings."));
  int count = 0;
  for (unsigned id = 0; id <= 210; ++id) {
    const auto text = resources::FindStringText(id);
    EXPECT_TRUE(!text || (id >= 1 && id <= kStrDescriptionName && !text->empty())) << id;
    count += text.has_value();
  }
  EXPECT_EQ(count, 169 + 5);
}

}  // namespace
