#include "config/ConfigLine.h"

namespace {

std::string_view TrimLeading(std::string_view text) {
  std::size_t begin = 0;
  while (begin < text.size() && IsConfigSpace(text[begin])) {
    ++begin;
  }
  return text.substr(begin);
}

std::string_view TrimTrailing(std::string_view text) {
  std::size_t end = text.size();
  while (end > 0 && IsConfigSpace(text[end - 1])) {
    --end;
  }
  return text.substr(0, end);
}

}  // namespace

std::string_view TrimConfigSpace(std::string_view text) {
  return TrimTrailing(TrimLeading(text));
}

ConfigLine ParseConfigLine(std::string_view line) {
  ConfigLine result;
  const std::string_view trimmed = TrimConfigSpace(line);
  if (trimmed.empty()) {
    return result;
  }
  switch (trimmed.front()) {
    case '!':
      result.kind = ConfigLine::Kind::Comment;
      result.text = trimmed;
      return result;
    case '[':
      // The last character is dropped unseen, so "[SYSTEM" names SYSTE and
      // a lone "[" names the empty chapter.
      result.kind = ConfigLine::Kind::Header;
      result.text = trimmed.size() < 2 ? std::string_view()
                                       : TrimConfigSpace(trimmed.substr(1, trimmed.size() - 2));
      return result;
    default:
      break;
  }
  const std::size_t equals = trimmed.find('=');
  if (equals == std::string_view::npos) {
    result.kind = ConfigLine::Kind::MissingEquals;
    result.text = trimmed;
    return result;
  }
  result.kind = ConfigLine::Kind::Key;
  result.key = TrimTrailing(trimmed.substr(0, equals));
  result.value = TrimLeading(trimmed.substr(equals + 1));
  return result;
}
