#pragma once

#include <initializer_list>
#include <string>
#include <string_view>

namespace ui {

// The text of a string-table entry of the installed resource set; empty when
// the id has no text or no resource set is installed.
std::string LoadString(unsigned id);

// Like LoadString, telling an absent id apart from an empty text.
bool HasString(unsigned id);

// The text of entry `id` with each "%s" in turn replaced by the next value.
// The values are inserted as they are, never read as formats; slots beyond
// the values stay as they are.
std::string FormatString(unsigned id, std::initializer_list<std::string_view> values);

}  // namespace ui
