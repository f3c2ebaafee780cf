#pragma once

#include <memory>
#include <optional>
#include <string>

#include "platform/SystemError.h"
#include "platform/SystemResult.h"

namespace platform {

// A mutex shared by every object and process of this user that opens the
// same name; other users cannot see or touch it. Re-entrant for the owning
// thread; a mutex whose owner died counts as acquired by the next locker.
class NamedMutex {
 public:
  // Opens or creates the mutex, or tells why the system refused. Refused too
  // when what holds the name is not this user's own, is open to other users
  // or is not such a mutex.
  static SystemResult<std::unique_ptr<NamedMutex>> Open(const std::string& name);

  virtual ~NamedMutex() = default;

  // Both return nothing on success, else why they failed.
  virtual std::optional<SystemError> Lock() = 0;
  virtual std::optional<SystemError> Unlock() = 0;
};

}  // namespace platform
