#pragma once

#include <string_view>

class QWidget;

namespace ui::qt {

// A modal message box over `parent` (nullptr: none) with the buttons and icon
// of Windows message-box flags; returns the Windows result (IDOK, IDYES, ...).
// The first button is the default one. Escape answers Cancel when there is a
// Cancel button, No for Yes/No, OK for an OK box; so does the close box.
int ShowQtMessageBox(QWidget* parent, std::string_view text, std::string_view caption,
                     unsigned flags);

}  // namespace ui::qt
