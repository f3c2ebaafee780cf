#pragma once

#include <algorithm>
#include <string_view>

namespace platform {

// True when `a` and `b` are equal once ASCII letters are folded to one case;
// other bytes must be equal, as file names compare on the game's systems.
inline bool EqualIgnoringCase(std::string_view a, std::string_view b) {
  const auto fold = [](char c) {
    return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c;
  };
  return std::equal(a.begin(), a.end(), b.begin(), b.end(),
                    [&](char x, char y) { return fold(x) == fold(y); });
}

}  // namespace platform
