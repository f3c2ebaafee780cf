#pragma once

#include <cstdarg>
#include <cstddef>

namespace platform {

// vsnprintf in the "C" locale, whatever locale the process has set: numbers
// always use '.' and no grouping. Returns what vsnprintf returns.
int FormatCLocale(char* buffer, std::size_t size, const char* format, std::va_list args);

}  // namespace platform
