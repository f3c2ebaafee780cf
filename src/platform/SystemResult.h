#pragma once

#include <optional>
#include <utility>

#include "platform/SystemError.h"

namespace platform {

// A value, or why the system could not give it. An operation without a value
// returns std::optional<SystemError> instead, and one whose failure needs no
// explaining a plain std::optional.
template <typename T>
class SystemResult {
 public:
  SystemResult(T value) : m_value(std::move(value)) {}
  SystemResult(SystemError error) : m_error(std::move(error)) {}

  explicit operator bool() const { return m_value.has_value(); }
  T& operator*() { return *m_value; }
  const T& operator*() const { return *m_value; }
  // Meaningful only without a value.
  const SystemError& Error() const { return m_error; }

 private:
  std::optional<T> m_value;
  SystemError m_error;
};

}  // namespace platform
