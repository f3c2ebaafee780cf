#include "engine/Mutex.h"

#include "engine/ErrorReporter.h"
#include "platform/NamedMutex.h"

namespace {

void ReportFailure() {
  if (ErrorReporter::s_instance != nullptr) {
    ErrorReporter::s_instance->HardErrorNoLock("", 0, ErrorCode::FromLastError());
  }
}

}  // namespace

Mutex::Mutex(const char* name) : m_handle(platform::NamedMutex::Open(name)) {}

Mutex::~Mutex() = default;

void Mutex::Lock() {
  // A mutex that could not be created cannot be waited for: that is a failed
  // wait like any other.
  if (m_handle == nullptr || !m_handle->Lock()) ReportFailure();
}

void Mutex::Unlock() {
  if (m_handle == nullptr || !m_handle->Unlock()) ReportFailure();
}
