#pragma once

#include <type_traits>

namespace platform {

// Installs `implementation` through a seam's Set function (SetMessageBox,
// ui::SetDialogBackend, SetSpeedSource, ...) for the installer's lifetime,
// then puts back what was installed before. The one way a UI backend or a
// test installs a piece:
//
//   FakeGamepads pads;
//   platform::Installed installed_pads(pads, &platform::SetGamepads);
template <typename T>
class Installed {
 public:
  Installed(std::type_identity_t<T>& implementation, T* (*set)(T*))
      : m_set(set), m_previous(set(&implementation)) {}
  ~Installed() { m_set(m_previous); }
  Installed(const Installed&) = delete;
  Installed& operator=(const Installed&) = delete;

 private:
  T* (*m_set)(T*);
  T* m_previous;
};

}  // namespace platform
