#include "ui/DialogBackend.h"

namespace ui {

DialogBackend* DialogBackend::s_instance = nullptr;

DialogBackend::DialogBackend() {
  s_instance = this;
}

DialogBackend::~DialogBackend() {
  if (s_instance == this) {
    s_instance = nullptr;
  }
}

}  // namespace ui
