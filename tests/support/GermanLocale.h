#pragma once

#include <clocale>
#include <string>

// Sets a German process locale (decimal comma) for the guard's lifetime, then
// puts the former one back. The name differs by C library: glibc knows
// "de_DE.UTF-8" (package locales-all), Windows "German_Germany.1252".
class GermanLocale {
 public:
  GermanLocale() {
    for (const char* name : {"de_DE.UTF-8", "German_Germany.1252", "de-DE"}) {
      if (std::setlocale(LC_ALL, name) != nullptr) {
        m_active = true;
        return;
      }
    }
  }
  ~GermanLocale() { std::setlocale(LC_ALL, m_saved.c_str()); }
  GermanLocale(const GermanLocale&) = delete;
  GermanLocale& operator=(const GermanLocale&) = delete;

  bool Active() const { return m_active; }

 private:
  const std::string m_saved = std::setlocale(LC_ALL, nullptr);
  bool m_active = false;
};
