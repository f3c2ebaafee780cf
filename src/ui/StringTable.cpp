#include "ui/StringTable.h"

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

}  // namespace ui
