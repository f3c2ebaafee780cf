#pragma once

#include <stdlib.h>

#include <optional>
#include <string>

// Sets (or, with nullopt, removes) an environment variable and puts back what
// was there when it goes.
class ScopedVariable {
 public:
  ScopedVariable(const char* name, std::optional<std::string> value) : m_name(name) {
    if (const char* old = ::getenv(name)) m_old = old;
    Set(value);
  }
  ~ScopedVariable() { Set(m_old); }
  ScopedVariable(const ScopedVariable&) = delete;
  ScopedVariable& operator=(const ScopedVariable&) = delete;

  void Set(const std::optional<std::string>& value) {
    if (value) {
      ::setenv(m_name, value->c_str(), 1);
    } else {
      ::unsetenv(m_name);
    }
  }

 private:
  const char* m_name;
  std::optional<std::string> m_old;
};
