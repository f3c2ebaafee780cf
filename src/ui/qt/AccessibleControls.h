#pragma once

namespace ui::qt {

// Gives the backend's own control widgets their roles and names for screen
// readers (through Qt's accessibility, AT-SPI on Linux):
//   - a drop-down list is a combo box named after its label (the static text
//     that the window made its buddy) or its given name, with the selected
//     item as its value; Qt's own combo box names itself after its value;
//   - a group box is a grouping named after its title or its given name;
//   - a black frame (the banner) and an icon control are graphics with their
//     given names.
// Windows, buttons, static texts and edits keep Qt's interfaces (a window is
// a QDialog, so a dialog). Installed by the backend for its lifetime.
void InstallAccessibleControls();
void RemoveAccessibleControls();

}  // namespace ui::qt
