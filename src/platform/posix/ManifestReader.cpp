#include "platform/posix/ManifestReader.h"

#include <utility>

namespace platform::posix {

std::vector<std::string> ManifestReader::StringValues(std::string_view key) const {
  std::vector<std::string> values;
  for (std::size_t at = ValueOf(key, 0); at != std::string_view::npos; at = ValueOf(key, at)) {
    if (std::optional<std::string> value = String(at)) values.push_back(std::move(*value));
  }
  return values;
}

std::vector<std::string> ManifestReader::ObjectKeys(std::string_view key) const {
  std::vector<std::string> names;
  for (std::size_t at = ValueOf(key, 0); at != std::string_view::npos; at = ValueOf(key, at)) {
    if (!Take(at, '{')) continue;
    while (std::optional<std::string> name = String(at)) {
      names.push_back(std::move(*name));
      if (!Take(at, ':') || !String(at) || !Take(at, ',')) break;
    }
  }
  return names;
}

void ManifestReader::SkipSpace(std::size_t& at) const {
  while (at < m_text.size() &&
         (m_text[at] == ' ' || m_text[at] == '\t' || m_text[at] == '\n' || m_text[at] == '\r')) {
    ++at;
  }
}

bool ManifestReader::Take(std::size_t& at, char wanted) const {
  SkipSpace(at);
  if (at >= m_text.size() || m_text[at] != wanted) return false;
  ++at;
  return true;
}

std::size_t ManifestReader::ValueOf(std::string_view key, std::size_t from) const {
  std::string quoted(1, '"');
  quoted.append(key).push_back('"');
  for (std::size_t at = m_text.find(quoted, from); at != std::string_view::npos;
       at = m_text.find(quoted, at + 1)) {
    std::size_t after = at + quoted.size();
    if (Take(after, ':')) return after;
  }
  return std::string_view::npos;
}

std::optional<std::string> ManifestReader::String(std::size_t& at) const {
  if (!Take(at, '"')) return std::nullopt;
  std::string value;
  while (at < m_text.size() && m_text[at] != '"') {
    if (m_text[at] == '\\') ++at;
    if (at < m_text.size()) value += m_text[at++];
  }
  if (at >= m_text.size()) return std::nullopt;
  ++at;
  return value;
}

}  // namespace platform::posix
