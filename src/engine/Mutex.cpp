#include "engine/Mutex.h"

#include "engine/ErrorReporter.h"
#include "platform/NamedMutex.h"

namespace {

void ReportFailure(ErrorCode code) {
  if (ErrorReporter::s_instance != nullptr) {
    ErrorReporter::s_instance->HardErrorNoLock("", 0, code);
  }
}

// The system's error number, unchanged, as the engine stores it.
ErrorCode CodeOf(const platform::SystemError& error) {
  return static_cast<std::uint32_t>(error.number);
}

}  // namespace

Mutex::Mutex(const char* name) {
  auto opened = platform::NamedMutex::Open(name);
  if (opened) {
    m_handle = std::move(*opened);
  } else {
    m_open_error = CodeOf(opened.Error());
  }
}

Mutex::~Mutex() = default;

void Mutex::Lock() {
  // A mutex that could not be created cannot be waited for: that is a failed
  // wait like any other, for the reason its creation failed.
  if (m_handle == nullptr) return ReportFailure(m_open_error);
  if (const auto error = m_handle->Lock()) ReportFailure(CodeOf(*error));
}

void Mutex::Unlock() {
  if (m_handle == nullptr) return ReportFailure(m_open_error);
  if (const auto error = m_handle->Unlock()) ReportFailure(CodeOf(*error));
}
