#pragma once

#include <optional>
#include <string_view>

namespace resources {

// The text of string-table entry `id`; empty optional for an id without text.
std::optional<std::string_view> FindStringText(unsigned id);

}  // namespace resources
