#pragma once

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace platform::posix {

// Just enough JSON to read the Vulkan loader's manifests: the string values
// of a key and the names in an object of strings, wherever they appear.
// Anything unexpected ends the reading of that field, so a damaged manifest
// yields less, never an error. The text must outlive the reader.
class ManifestReader {
 public:
  explicit ManifestReader(std::string_view text) : m_text(text) {}

  // Every string value of `key`, wherever it appears.
  std::vector<std::string> StringValues(std::string_view key) const;

  // The names in every object value of `key`.
  std::vector<std::string> ObjectKeys(std::string_view key) const;

 private:
  void SkipSpace(std::size_t& at) const;
  bool Take(std::size_t& at, char wanted) const;
  // Past the colon after the next "key" from `from`; npos when there is none.
  std::size_t ValueOf(std::string_view key, std::size_t from) const;
  // A quoted string at `at`; an escaped character stands for itself, which
  // is all that paths and variable names need.
  std::optional<std::string> String(std::size_t& at) const;

  std::string_view m_text;
};

}  // namespace platform::posix
