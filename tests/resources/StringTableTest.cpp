#include "resources/StringTable.h"

#include <gtest/gtest.h>

#include <set>
#include <string>
#include <utility>

#include "resources/GameResources.h"
#include "ui/StringTable.h"

namespace {

// Texts the windows compare with or show verbatim, blanks and all.
TEST(GameStrings, TellingTextsAreExact) {
  resources::GameResources resources;
  EXPECT_EQ(ui::LoadString(1),
            "DirectX 8.0 is correctly installed.  You are ready to play Zarvex.");
  EXPECT_EQ(ui::LoadString(4), "Zarvex Configuration");
  EXPECT_EQ(ui::LoadString(17),
            "Turns off all special effects for systems that do not have 3-D hardware acceleration."
            "  It is recommended that you have at least a 266 MHz processor.");
  EXPECT_EQ(ui::LoadString(55),
            "Press a button on the controller now.  This will assign the button you pressed on the "
            "controller to the Zarvex input.  If the controller is unresponsive, press cancel to "
            "leave this dialog.  ");
  EXPECT_EQ(ui::LoadString(66), "%s is currently used by %s.  Please make another selection.  ");
  EXPECT_EQ(ui::LoadString(198),
            "The control you are attempting to set has already been set for %s [ %s ].  Do you "
            "want to remove this control from %s?");
  EXPECT_EQ(ui::LoadString(199), "%s:");
  // Key and button names whose ids do not follow their order.
  const std::pair<unsigned, const char*> names[] = {
      {101, "ESC"},      {131, "0 (zero)"}, {169, "Numpad 1"}, {197, "Numpad 2"},
      {170, "Numpad 3"}, {181, "Numpad +"}, {44, "Button 15"}, {193, "F12"}};
  for (const auto& [id, text] : names) EXPECT_EQ(ui::LoadString(id), text) << id;
}

// Every id of the table has a text, the unused ones none, and nothing lies
// outside 1 to 201.
TEST(GameStrings, CoverageOfTheTable) {
  const std::set<unsigned> unused = {46, 52, 59, 72, 73, 74, 75,  76,  77,  78, 79,
                                     80, 81, 82, 83, 84, 85, 86,  87,  88,  89, 90,
                                     91, 92, 93, 94, 95, 97, 105, 106, 107, 108};
  for (unsigned id = 0; id <= 210; ++id) {
    const bool expected = id >= 1 && id <= 201 && unused.count(id) == 0;
    const auto text = resources::FindStringText(id);
    EXPECT_EQ(text.has_value(), expected) << id;
    if (text) {
      EXPECT_FALSE(text->empty()) << id;
    }
  }
}

// The welcome text has its four lines and the help text its structure,
// joined from two entries without a separator.
TEST(GameStrings, MultiLineTextsKeepTheirStructure) {
  resources::GameResources resources;
  const std::string welcome = ui::LoadString(14);
  const auto first_break = welcome.find("\r\n");
  ASSERT_NE(first_break, std::string::npos);
  EXPECT_EQ(welcome.substr(0, first_break), "Zarvex");
  const auto blank = welcome.find("\r\n\r\n", first_break + 2);
  ASSERT_NE(blank, std::string::npos);
  EXPECT_GT(blank, first_break + 2);  // a notice line of its own
  EXPECT_EQ(welcome.substr(blank + 4), "Welcome to the Zarvex Configuration program.");

  const std::string help = ui::LoadString(62) + ui::LoadString(64);
  EXPECT_TRUE(help.starts_with(
      "This program allows you to set up Zarvex for the best play on your computer.\r\n\r\n"));
  std::size_t at = 0;
  for (const char* heading : {"Selecting System Quality", "Controller Selection",
                              "Saving Your Configuration"}) {
    const std::size_t next = help.find("\r\n\r\n" + std::string(heading) + "\r\n\r\n", at);
    ASSERT_NE(next, std::string::npos) << heading;  // present and in order
    at = next + 1;
  }
  EXPECT_EQ(help.find("\n\r\n\r\n"), std::string::npos);  // no doubled empty lines
  EXPECT_EQ(help.find('\n', at + 40), std::string::npos);   // one closing paragraph
  EXPECT_TRUE(help.ends_with(
      "\"Reset All\" button resets all controllers to the default settings."));
}

}  // namespace
