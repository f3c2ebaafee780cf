#pragma once

#include <memory>

#include "engine/ErrorCode.h"

namespace platform {
class NamedMutex;
}

// A named system mutex: every Mutex (in this or another process) made with
// the same name holds the same lock. Re-entrant for its owning thread; a
// mutex whose owner died counts as acquired.
class Mutex {
 public:
  explicit Mutex(const char* name);
  ~Mutex();
  Mutex(const Mutex&) = delete;
  Mutex& operator=(const Mutex&) = delete;

  // Waits without time-out. A failure (also of Unlock) is reported as a
  // hard error through ErrorReporter::HardErrorNoLock with the system's
  // error number; for a mutex that could not be created, with the number
  // that its creation failed with.
  void Lock();
  void Unlock();

  // False when the system mutex could not be created.
  bool IsValid() const { return m_handle != nullptr; }

 private:
  std::unique_ptr<platform::NamedMutex> m_handle;
  ErrorCode m_open_error;
};
