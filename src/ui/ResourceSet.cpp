#include "ui/ResourceSet.h"

#include <utility>

namespace ui {

ResourceSet* ResourceSet::s_instance = nullptr;

ResourceSet::ResourceSet() : m_previous(std::exchange(s_instance, this)) {}

ResourceSet::~ResourceSet() {
  if (s_instance == this) {
    s_instance = m_previous;
  }
}

}  // namespace ui
