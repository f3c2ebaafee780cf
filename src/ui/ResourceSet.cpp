#include "ui/ResourceSet.h"

namespace ui {

ResourceSet* ResourceSet::s_instance = nullptr;

ResourceSet::ResourceSet() {
  s_instance = this;
}

ResourceSet::~ResourceSet() {
  if (s_instance == this) {
    s_instance = nullptr;
  }
}

}  // namespace ui
