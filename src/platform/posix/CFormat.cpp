#include "platform/CFormat.h"

#include <locale.h>
#include <stdio.h>

namespace platform::posix {
namespace {

locale_t CLocale() {
  static const locale_t c_locale = newlocale(LC_ALL_MASK, "C", static_cast<locale_t>(0));
  return c_locale;
}

}  // namespace
}  // namespace platform::posix

namespace platform {

int FormatCLocale(char* buffer, std::size_t size, const char* format, std::va_list args) {
  locale_t c_locale = posix::CLocale();
  if (c_locale == static_cast<locale_t>(0)) return vsnprintf(buffer, size, format, args);
  locale_t previous = uselocale(c_locale);
  int result = vsnprintf(buffer, size, format, args);
  uselocale(previous);
  return result;
}

}  // namespace platform
