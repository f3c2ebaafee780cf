#include "ui/ResourceStrings.h"

#include "ui/ResourceSet.h"

namespace ui {

std::string LoadString(unsigned id) {
  if (ResourceSet::s_instance == nullptr) {
    return std::string();
  }
  return std::string(ResourceSet::s_instance->FindString(id).value_or(std::string_view()));
}

bool HasString(unsigned id) {
  return ResourceSet::s_instance != nullptr && ResourceSet::s_instance->FindString(id).has_value();
}

std::string FormatString(unsigned id, std::initializer_list<std::string_view> values) {
  const std::string format = LoadString(id);
  std::string text;
  std::size_t from = 0;
  for (std::string_view value : values) {
    const std::size_t slot = format.find("%s", from);
    if (slot == std::string::npos) {
      break;
    }
    text.append(format, from, slot - from).append(value);
    from = slot + 2;
  }
  return text.append(format, from, std::string::npos);
}

}  // namespace ui
