#pragma once

#include <string_view>

// One line of a configuration file, taken apart by the line grammar. The
// views point into the text given to ParseConfigLine.
struct ConfigLine {
  enum class Kind {
    Blank,          // nothing but white space
    Comment,        // text is the whole trimmed line, "!" included
    Header,         // text is the chapter name, trimmed, spelled as written
    Key,            // key and value split at the first "="
    MissingEquals,  // a key line without "=": an error, the line is skipped
  };

  Kind kind = Kind::Blank;
  std::string_view text;
  std::string_view key;
  std::string_view value;
};

// White space of configuration files: space, tab, LF, VT, FF and CR, as the
// "C" locale's isspace has it, whatever the process locale.
constexpr bool IsConfigSpace(char c) {
  return c == ' ' || (c >= '\t' && c <= '\r');
}

std::string_view TrimConfigSpace(std::string_view text);

ConfigLine ParseConfigLine(std::string_view line);
