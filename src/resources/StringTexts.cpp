#include "resources/StringTexts.h"

#include <algorithm>
#include <array>
#include <iterator>

namespace resources {
namespace {

struct Entry {
  unsigned id;
  std::string_view text;
};

// Sorted by id. Ids 46, 52, 59, 72 to 95, 97 and 105 to 108 are unused: no
// window shows them, so they have no text. Ids from 202 on are never shown:
// they name for screen readers what has no text of its own. Multi-line texts
// use CR LF, as the multi-line edits expect.
constexpr Entry kEntries[] = {
    {1, "DirectX 8.0 is correctly installed.  You are ready to play Zarvex."},
    {2,
     "DirectX 8.0 is currently not installed on your system.  Please insert the Zarvex CD and "
     "run the setup program."},
    {3,
     "You currently have a previous version of DirectX on your system.  Zarvex needs DirectX "
     "8.0 or higher to correctly run.  Please upgrade DirectX by placing the Zarvex CD in your "
     "CD drive and run setup."},
    {4, "Zarvex Configuration"},
    {5, "High"},
    {6, "Medium"},
    {7, "Low"},
    {8, "Quality"},
    {9, "Recommended"},
    {10, "DirectX Installed:"},
    {11, "OK"},
    {12, "Cancel"},
    {13, "Help"},
    {14,
     "Zarvex\r\n"
     "Graphics quality and controller setup.\r\n"
     "\r\n"
     "Welcome to the Zarvex Configuration program."},
    {15,
     "Activates all graphical features and special effects in Zarvex.  It is recommended "
     "that you have at least a 600 MHz processor and a 3-D video card with hardware "
     "transformation & lighting."},
    {16,
     "Turns off some special effects allowing the gameplay to remain at optimum speed.  It "
     "is recommended that you have at least a 400 MHz processor and a 3-D video card with 8 "
     "MB of RAM."},
    {17,
     "Turns off all special effects for systems that do not have 3-D hardware acceleration.  "
     "It is recommended that you have at least a 266 MHz processor."},
    {18, "Player 1"},
    {19, "Player 2"},
    {20, "Player 3"},
    {21, "Player 4"},
    {22, "Configure"},
    {23, "Start Game"},
    {24, "Zarvex Error"},
    {25, "Assign"},
    {26, "Up"},
    {27, "Down"},
    {28, "Left"},
    {29, "Right"},
    {30, "Button 1"},
    {31, "Button 2"},
    {32, "Button 3"},
    {33, "Button 4"},
    {34, "Button 5"},
    {35, "Button 6"},
    {36, "Button 7"},
    {37, "Button 8"},
    {38, "Button 9"},
    {39, "Button 10"},
    {40, "Button 11"},
    {41, "Button 12"},
    {42, "Button 13"},
    {43, "Button 14"},
    {44, "Button 15"},
    {45, "Start/Pause"},
    {47, "Rotate Right"},
    {48, "Rotate Left"},
    {49, "Hard Drop"},
    {50, "Soft Drop"},
    {51, "Select"},
    {53, "Hold"},
    {54, "Controller"},
    {55,
     "Press a button on the controller now.  This will assign the button you pressed on the "
     "controller to the Zarvex input.  If the controller is unresponsive, press cancel to "
     "leave this dialog.  "},
    {56, "Configure Controller for Player"},
    {57, "Gamepad Input"},
    {58, "Keyboard"},
    {60, "(none)"},
    {61, "Configuration Help"},
    // The help text: string 62 followed directly by string 64.
    {62,
     "This program allows you to set up Zarvex for the best play on your computer.\r\n"
     "\r\n"
     "Selecting System Quality\r\n"
     "\r\n"
     "Choose the quality level that fits your computer from the Quality list: High, Medium "
     "or Low.  Higher levels show more graphical features and special effects; lower levels "
     "keep the falling blocks moving smoothly on slower machines.  The text below the list "
     "describes what each level turns on and what it needs.\r\n"
     "\r\n"
     "The level shown beside Recommended is the one this program suggests after checking "
     "your processor and video card.  You may choose a level above the recommendation, but "
     "the game may then run slowly and the controls may feel sluggish.\r\n"
     "\r\n"
     "Controller Selection\r\n"
     "\r\n"
     "Each of the four players can play with the keyboard, a joystick or a joypad.  Several "
     "players can share the keyboard, but a joystick or joypad belongs to one player "
     "only.\r\n"
     "\r\n"
     "To choose a player's controller, press the Configure button beside that player and "
     "pick the controller from the list at the top of the window that opens.\r\n"
     "\r\n"},
    {63, "Unknown"},
    {64,
     "In the same window you can remap every game action.  Press the \"Assign\" button "
     "beside an action and then press the key or button you want for it, or pick one from "
     "the action's pull-down list.  \"Restore\" brings back the settings the window started "
     "with, \"Cancel\" leaves without changing anything, and \"OK\" keeps your changes.\r\n"
     "\r\n"
     "Saving Your Configuration\r\n"
     "\r\n"
     "Press \"OK\" to save your settings and close this program, \"Cancel\" to close it "
     "without saving, or \"Start Game\" to save your settings and start Zarvex at once.  The "
     "\"Reset All\" button resets all controllers to the default settings."},
    {65, "Reset All"},
    {66, "%s is currently used by %s.  Please make another selection.  "},
    {67, "another key"},
    {68, "Conflict Error"},
    {69, "Game Navigation Controls"},
    {70, "Menu Navigation Controls"},
    {71, "Restore"},
    {96, "Shared Navigation Controls"},
    {98, "Back Space"},
    {99, "Tab"},
    {100, "Return"},
    {101, "ESC"},
    {102, "Caps Lock"},
    {103, "Shift"},
    {104, "Control"},
    {109, "Semicolon"},
    {110, "Equals"},
    {111, "Comma"},
    {112, "Minus"},
    {113, "Period"},
    {114, "Slash"},
    {115, "Back Quote"},
    {116, "Open Bracket"},
    {117, "Back Slash"},
    {118, "Close Bracket"},
    {119, "Quote"},
    {120, "Space"},
    {121, "Page Up"},
    {122, "Page Down"},
    {123, "End"},
    {124, "Home"},
    {125, "Left Arrow"},
    {126, "Up Arrow"},
    {127, "Right Arrow"},
    {128, "Down Arrow"},
    {129, "Insert"},
    {130, "Delete"},
    {131, "0 (zero)"},
    {132, "1"},
    {133, "2"},
    {134, "3"},
    {135, "4"},
    {136, "5"},
    {137, "6"},
    {138, "7"},
    {139, "8"},
    {140, "9"},
    {141, "A"},
    {142, "B"},
    {143, "C"},
    {144, "D"},
    {145, "E"},
    {146, "F"},
    {147, "G"},
    {148, "H"},
    {149, "I"},
    {150, "J"},
    {151, "K"},
    {152, "L"},
    {153, "M"},
    {154, "N"},
    {155, "O"},
    {156, "P"},
    {157, "Q"},
    {158, "R"},
    {159, "S"},
    {160, "T"},
    {161, "U"},
    {162, "V"},
    {163, "W"},
    {164, "X"},
    {165, "Y"},
    {166, "Z"},
    {167, "Num Lock"},
    {168, "Numpad 0"},
    {169, "Numpad 1"},
    {170, "Numpad 3"},
    {171, "Numpad 4"},
    {172, "Numpad 5"},
    {173, "Numpad 6"},
    {174, "Numpad 7"},
    {175, "Numpad 8"},
    {176, "Numpad 9"},
    {177, "Numpad *"},
    {178, "Numpad -"},
    {179, "Numpad ."},
    {180, "Numpad /"},
    {181, "Numpad +"},
    {182, "F1"},
    {183, "F2"},
    {184, "F3"},
    {185, "F4"},
    {186, "F5"},
    {187, "F6"},
    {188, "F7"},
    {189, "F8"},
    {190, "F9"},
    {191, "F10"},
    {192, "F11"},
    {193, "F12"},
    {194, "Print Screen"},
    {195, "Scroll Lock"},
    {196, "Pause"},
    {197, "Numpad 2"},
    {198,
     "The control you are attempting to set has already been set for %s [ %s ].  Do you want "
     "to remove this control from %s?"},
    {199, "%s:"},
    {200, "Are you sure that you want to reset every setting on each controller and keyboard?"},
    {201, "Reset Confirmation"},
    {202, "Zarvex banner"},
    {203, "Installed"},
    {204, "Not installed"},
    {205, "Welcome"},
    {206, "Description"},
};

static_assert(std::is_sorted(std::begin(kEntries), std::end(kEntries),
                             [](const Entry& a, const Entry& b) { return a.id < b.id; }));

}  // namespace

std::optional<std::string_view> FindStringText(unsigned id) {
  const auto* found =
      std::lower_bound(std::begin(kEntries), std::end(kEntries), id,
                       [](const Entry& entry, unsigned key) { return entry.id < key; });
  if (found == std::end(kEntries) || found->id != id) {
    return std::nullopt;
  }
  return found->text;
}

}  // namespace resources
