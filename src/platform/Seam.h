#pragma once

#include <atomic>

namespace platform {

// The lookup behind every seam: the implementation installed last, else the
// real one. Each seam keeps one, and its Get and Set functions only forward
// to it. Install before anything uses the seam, not while it does; the
// pointer itself may be read from any thread.
template <typename T>
class Seam {
 public:
  explicit constexpr Seam(T& (*real)()) : m_real(real) {}
  Seam(const Seam&) = delete;
  Seam& operator=(const Seam&) = delete;

  T& Get() const {
    T* installed = m_installed.load();
    return installed != nullptr ? *installed : m_real();
  }

  // `implementation` is not owned; null restores the real one. Returns the
  // one installed before, null when that was the real one.
  T* Set(T* implementation) { return m_installed.exchange(implementation); }

 private:
  T& (*m_real)();
  std::atomic<T*> m_installed{nullptr};
};

}  // namespace platform
