#pragma once

// What every file of the Windows backend needs, kept once. Internal to
// platform/win32/; it includes <windows.h>, so include it after the
// platform's own headers and mind the A/W macros it defines.
#ifndef NOMINMAX
#define NOMINMAX
#endif
#ifndef WIN32_LEAN_AND_MEAN
#define WIN32_LEAN_AND_MEAN
#endif
#include <windows.h>

#include <string>
#include <utility>

#include "platform/SystemError.h"

namespace platform::win32 {

// A kernel object handle that closes itself. Both null and
// INVALID_HANDLE_VALUE mean "none", as the system's calls return either.
class Handle {
 public:
  explicit Handle(HANDLE handle = nullptr) : m_handle(handle) {}
  Handle(Handle&& other) noexcept : m_handle(std::exchange(other.m_handle, nullptr)) {}
  Handle& operator=(Handle&& other) noexcept {
    std::swap(m_handle, other.m_handle);
    return *this;
  }
  ~Handle();
  Handle(const Handle&) = delete;
  Handle& operator=(const Handle&) = delete;

  HANDLE Get() const { return m_handle; }
  bool Valid() const { return m_handle != nullptr && m_handle != INVALID_HANDLE_VALUE; }

 private:
  HANDLE m_handle;
};

// The system's own text for an error value (FormatMessageA), without the
// line end the system puts after it; empty when the system has none.
std::string ErrorText(DWORD number);

// An error value with the system's text for it.
SystemError MakeSystemError(DWORD number);

// The calling thread's last error with its text.
SystemError LastSystemError();

}  // namespace platform::win32
