#pragma once

#include <string>

namespace ui {

// The text of a string-table entry of the installed resource set; empty when
// the id has no text or no resource set is installed.
std::string LoadString(unsigned id);

// Like LoadString, telling an absent id apart from an empty text.
bool HasString(unsigned id);

}  // namespace ui
