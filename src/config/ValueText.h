#pragma once

#include <cstddef>
#include <cstdint>
#include <string_view>

#include "platform/Guid.h"

// The text forms of typed configuration values. Everything here works as the
// "C" locale does, whatever locale the process runs in: the decimal point is
// always ".", and no thousands separators are read or written.

// A number as atof reads it: leading white space, an optional sign, digits
// with an optional fraction and exponent; the first character that does not
// fit ends it; no number gives 0. Narrowed to float by rounding to nearest.
float ParseFloatText(std::string_view text);

// A number as atoi reads it: leading white space, an optional sign, decimal
// digits up to the first non-digit; no number gives 0.
int32_t ParseIntText(std::string_view text);

// Eleven unsigned numbers joined by ":" as sscanf("%u:%u:...") reads them.
Guid ParseGuidText(std::string_view text);

// Output buffers large enough for any value of their type.
inline constexpr std::size_t kFloatTextCapacity = 64;
inline constexpr std::size_t kIntTextCapacity = 16;
inline constexpr std::size_t kGuidTextCapacity = 11 * 11;

// "%f" of the value widened to double: fixed, six decimals.
std::string_view FormatFloatText(float value, char (&buffer)[kFloatTextCapacity]);

// "%d".
std::string_view FormatIntText(int32_t value, char (&buffer)[kIntTextCapacity]);

// "%u:%u:%u:%u:%u:%u:%u:%u:%u:%u:%u" of Data1, Data2, Data3, Data4[0..7].
std::string_view FormatGuidText(const Guid& value, char (&buffer)[kGuidTextCapacity]);
