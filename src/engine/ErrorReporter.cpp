#include "engine/ErrorReporter.h"

#include <cstdarg>
#include <cstring>

#include "engine/Log.h"
#include "engine/Mutex.h"
#include "platform/CFormat.h"
#include "platform/MessageBox.h"

namespace {

constexpr const char* kMutexName = "KUtlMutex";
constexpr const char* kSoftPrefix = "### SOFT ERR: ";

const char* OrEmpty(const char* text) {
  return text != nullptr ? text : "";
}

}  // namespace

ErrorReporter* ErrorReporter::s_instance = nullptr;

ErrorReporter::ErrorReporter() : m_mutex(std::make_unique<Mutex>(kMutexName)) {
  Reset();
  if (s_instance == nullptr) s_instance = this;
}

ErrorReporter::~ErrorReporter() {
  if (s_instance == this) s_instance = nullptr;
}

void ErrorReporter::Reset() {
  m_hard_raised = false;
  m_hard_code = 0;
  m_soft_raised = false;
  m_soft_code = 0;
  std::memset(m_message, 0, sizeof m_message);
}

ErrorCode ErrorReporter::HardError(const char* file, int line, ErrorCode code, ...) {
  std::va_list args;
  va_start(args, code);
  HardErrorV(file, line, code, args);
  va_end(args);
  return code;
}

ErrorCode ErrorReporter::HardErrorV(const char* file, int line, ErrorCode code, std::va_list args) {
  if (m_hard_raised) return code;
  m_mutex->Lock();
  // A failure of the lock itself has been reported and latched meanwhile.
  if (!m_hard_raised) RaiseHard(file, line, code, args);
  m_mutex->Unlock();
  return code;
}

void ErrorReporter::HardErrorNoLock(const char* file, int line, ErrorCode code, ...) {
  if (m_hard_raised) return;
  std::va_list args;
  va_start(args, code);
  RaiseHard(file, line, code, args);
  va_end(args);
}

void ErrorReporter::RaiseHard(const char* file, int line, ErrorCode code, std::va_list args) {
  // The flag goes up before anything is logged, so that a failure of the
  // mutex while logging cannot report again.
  m_hard_raised = true;
  m_hard_code = code;
  m_message[0] = '\0';
  platform::FormatCLocale(m_message, kBufferSize, code.GetText(), args);
  m_message[kBufferSize - 1] = '\0';
  if (Log* log = Log::s_instance) {
    log->Printf("\n%s\n", m_message);
    if (line != 0) log->Printf("Error Location : %s, line: %d\n", OrEmpty(file), line);
    log->Printf("\n");
  }
  platform::GetMessageBox().Show(nullptr, m_message, "Error",
                                 platform::kMbIconStop | platform::kMbOk);
}

ErrorCode ErrorReporter::SoftError(const char* file, int line, ErrorCode code, ...) {
  std::va_list args;
  va_start(args, code);
  SoftErrorV(file, line, code, args);
  va_end(args);
  return code;
}

ErrorCode ErrorReporter::SoftErrorV(const char* file, int line, ErrorCode code, std::va_list args) {
  if (m_hard_raised) return code;
  m_mutex->Lock();
  if (!m_hard_raised) RaiseSoft(file, line, code, code.GetText(), args);
  m_mutex->Unlock();
  return code;
}

void ErrorReporter::SoftErrorText(const char* file, int line, const char* format, ...) {
  if (m_hard_raised) return;
  std::va_list args;
  va_start(args, format);
  m_mutex->Lock();
  if (!m_hard_raised) RaiseSoft(file, line, kErrUserDefined, format, args);
  m_mutex->Unlock();
  va_end(args);
}

void ErrorReporter::RaiseSoft(const char* file, int line, ErrorCode code, const char* format,
                              std::va_list args) {
  m_soft_raised = true;
  m_soft_code = code;
  const std::size_t prefix = std::strlen(kSoftPrefix);
  std::memcpy(m_message, kSoftPrefix, prefix + 1);
  platform::FormatCLocale(m_message + prefix, kBufferSize - prefix, format, args);
  m_message[kBufferSize - 1] = '\0';
  if (Log* log = Log::s_instance) {
    log->Printf("%s", m_message);
    if (line != 0) log->Printf("\n### Error Location : %s, line: %d", OrEmpty(file), line);
    log->Printf("\n");
  }
}

ErrorCode ReportHardError(ErrorCode code, ...) {
  if (ErrorReporter::s_instance == nullptr) return code;
  std::va_list args;
  va_start(args, code);
  ErrorReporter::s_instance->HardErrorV("", 0, code, args);
  va_end(args);
  return code;
}

ErrorCode ReportSoftError(ErrorCode code, ...) {
  if (ErrorReporter::s_instance == nullptr) return code;
  std::va_list args;
  va_start(args, code);
  ErrorReporter::s_instance->SoftErrorV("", 0, code, args);
  va_end(args);
  return code;
}
