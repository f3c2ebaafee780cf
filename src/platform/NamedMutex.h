#pragma once

#include <memory>
#include <string>

namespace platform {

// A mutex shared by every object and process that opens the same name.
// Re-entrant for the owning thread; a mutex whose owner died counts as
// acquired by the next locker.
class NamedMutex {
 public:
  // Opens or creates the mutex; null when the system refuses (the last
  // error then tells why).
  static std::unique_ptr<NamedMutex> Open(const std::string& name);

  virtual ~NamedMutex() = default;

  // Both return false on failure and set the last error.
  virtual bool Lock() = 0;
  virtual bool Unlock() = 0;
};

}  // namespace platform
