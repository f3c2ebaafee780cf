#pragma once

#include <cstdarg>
#include <memory>

#include "engine/ErrorCode.h"

class Mutex;

// Turns an ErrorCode into a message, logs it and, for a hard error, shows it
// in a message box titled "Error". The first hard error latches: every later
// hard or soft error is ignored (only its code is returned) until Reset.
class ErrorReporter {
 public:
  static constexpr std::size_t kBufferSize = 512;

  // The process-wide reporter: null until one is created. The constructor
  // makes the new object the instance when there is none; the destructor
  // clears the pointer when it points at the object destroyed.
  static ErrorReporter* s_instance;

  ErrorReporter();
  virtual ~ErrorReporter();
  ErrorReporter(const ErrorReporter&) = delete;
  ErrorReporter& operator=(const ErrorReporter&) = delete;

  // `file` names the source of the error and `line` a line in it; line 0
  // logs no location. The arguments after `code` fill the placeholders of
  // the code's text. Both return `code`.
  ErrorCode HardError(const char* file, int line, ErrorCode code, ...);
  ErrorCode HardErrorV(const char* file, int line, ErrorCode code, std::va_list args);
  ErrorCode SoftError(const char* file, int line, ErrorCode code, ...);
  ErrorCode SoftErrorV(const char* file, int line, ErrorCode code, std::va_list args);

  // A hard error that never touches the mutex: for failures of the mutex.
  void HardErrorNoLock(const char* file, int line, ErrorCode code, ...);

  // A soft error with the caller's own format; the stored code is
  // 0x30000001. A finished text goes in as the argument of "%s".
  [[gnu::format(printf, 4, 5)]] void SoftErrorText(const char* file, int line, const char* format,
                                                   ...);

  // Clears both flags, both codes and the message.
  void Reset();

  bool HasHardError() const { return m_hard_raised; }
  ErrorCode GetHardErrorCode() const { return m_hard_code; }
  bool HasSoftError() const { return m_soft_raised; }
  ErrorCode GetSoftErrorCode() const { return m_soft_code; }
  // The text of the latest error.
  const char* GetMessage() const { return m_message; }

 private:
  void RaiseHard(const char* file, int line, ErrorCode code, std::va_list args);
  void RaiseSoft(const char* file, int line, ErrorCode code, const char* format, std::va_list args);

  std::unique_ptr<Mutex> m_mutex;
  bool m_hard_raised = false;
  ErrorCode m_hard_code;
  bool m_soft_raised = false;
  ErrorCode m_soft_code;
  char m_message[kBufferSize] = {};
};

// Report through the process-wide reporter with no location; without a
// reporter they only return `code`. The engine's own operations use these.
ErrorCode ReportHardError(ErrorCode code, ...);
ErrorCode ReportSoftError(ErrorCode code, ...);
