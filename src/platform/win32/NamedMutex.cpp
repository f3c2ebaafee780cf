#include "platform/NamedMutex.h"

#include "platform/win32/Win32Support.h"

namespace platform::win32 {
namespace {

// A mutex of the system: re-entrant for its owning thread, and released by
// the system when its owner dies, which the next wait reports as abandoned.
// Unprefixed names live in the session's own namespace; a name held by
// another kind of object, or one this user may not open, is refused by
// CreateMutexA itself.
class Win32NamedMutex final : public NamedMutex {
 public:
  explicit Win32NamedMutex(Handle handle) : m_handle(std::move(handle)) {}

  std::optional<SystemError> Lock() override {
    const DWORD result = ::WaitForSingleObject(m_handle.Get(), INFINITE);
    // WAIT_ABANDONED: the owner died holding it; the lock is ours now.
    if (result == WAIT_OBJECT_0 || result == WAIT_ABANDONED) return std::nullopt;
    return LastSystemError();
  }

  std::optional<SystemError> Unlock() override {
    if (::ReleaseMutex(m_handle.Get())) return std::nullopt;
    return LastSystemError();
  }

 private:
  Handle m_handle;
};

SystemResult<std::unique_ptr<NamedMutex>> OpenSystemMutex(const std::string& name) {
  Handle handle(::CreateMutexA(nullptr, FALSE, name.c_str()));
  if (!handle.Valid()) return LastSystemError();
  std::unique_ptr<NamedMutex> mutex = std::make_unique<Win32NamedMutex>(std::move(handle));
  return mutex;
}

}  // namespace
}  // namespace platform::win32

namespace platform {

SystemResult<std::unique_ptr<NamedMutex>> NamedMutex::Open(const std::string& name) {
  return win32::OpenSystemMutex(name);
}

}  // namespace platform
