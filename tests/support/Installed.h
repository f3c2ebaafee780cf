#pragma once

#include <type_traits>

namespace test {

// Installs `fake` through a seam's Set function (platform::SetFileSystem,
// SetSpeedSource, ...) for the helper's lifetime, then puts back what was
// installed before. The one way tests install fakes:
//
//   FakeGamepads pads;
//   test::Installed installed_pads(pads, &platform::SetGamepads);
template <typename T>
class Installed {
 public:
  Installed(std::type_identity_t<T>& fake, T* (*set)(T*)) : m_set(set), m_previous(set(&fake)) {}
  ~Installed() { m_set(m_previous); }
  Installed(const Installed&) = delete;
  Installed& operator=(const Installed&) = delete;

 private:
  T* (*m_set)(T*);
  T* m_previous;
};

}  // namespace test
