#include "platform/CFormat.h"

#include <locale.h>
#include <stdio.h>

#include <string>

namespace platform {

// The C library here has no uselocale, but a thread may have a locale of its
// own: for the call this thread's numeric locale is "C", and afterwards the
// thread is put back as it was. Other threads never see the change.
int FormatCLocale(char* buffer, std::size_t size, const char* format, std::va_list args) {
  const int previous_mode = ::_configthreadlocale(_ENABLE_PER_THREAD_LOCALE);
  const char* current = ::setlocale(LC_NUMERIC, nullptr);
  const std::string saved = current != nullptr ? current : "C";
  const bool switched = saved != "C" && ::setlocale(LC_NUMERIC, "C") != nullptr;
  const int result = vsnprintf(buffer, size, format, args);
  if (switched) ::setlocale(LC_NUMERIC, saved.c_str());
  if (previous_mode == _DISABLE_PER_THREAD_LOCALE) ::_configthreadlocale(previous_mode);
  return result;
}

}  // namespace platform
