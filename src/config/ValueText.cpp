#include "config/ValueText.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <limits>

#include "config/ConfigLine.h"

namespace {

constexpr bool IsDigit(char c) {
  return c >= '0' && c <= '9';
}

std::size_t SkipSpace(std::string_view text, std::size_t at) {
  while (at < text.size() && IsConfigSpace(text[at])) {
    ++at;
  }
  return at;
}

// Reads an unsigned decimal number the way %u does: optional white space and
// sign, then at least one digit. A value beyond 32 bits wraps around, as a
// 32-bit accumulator does, and a minus sign negates modulo 2^32.
bool ReadUnsigned(std::string_view text, std::size_t& at, uint32_t& value) {
  std::size_t pos = SkipSpace(text, at);
  bool negative = false;
  if (pos < text.size() && (text[pos] == '+' || text[pos] == '-')) {
    negative = text[pos] == '-';
    ++pos;
  }
  if (pos >= text.size() || !IsDigit(text[pos])) {
    return false;
  }
  uint32_t result = 0;
  while (pos < text.size() && IsDigit(text[pos])) {
    result = result * 10u + static_cast<uint32_t>(text[pos] - '0');
    ++pos;
  }
  value = negative ? 0u - result : result;
  at = pos;
  return true;
}

// The power of ten of the first significant digit of a decimal number in the
// form that from_chars took (digits, a point, digits, an exponent): 2 for
// 123.4, -3 for 0.00123, 0 for 1e0. Leading zeros and the exponent both count,
// so "0.", 330 zeros and "1" is -331, and "1", 400 zeros and "e-5" is 395. Only
// the sign matters to the caller, so a huge exponent saturates.
int64_t DecimalMagnitude(std::string_view number) {
  constexpr int64_t kExponentLimit = int64_t{1} << 40;
  std::size_t at = 0;
  while (at < number.size() && number[at] == '0') {
    ++at;
  }
  int64_t magnitude = 0;
  int64_t integer_digits = 0;
  while (at < number.size() && IsDigit(number[at])) {
    ++integer_digits;
    ++at;
  }
  if (at < number.size() && number[at] == '.') {
    ++at;
  }
  if (integer_digits > 0) {
    magnitude = integer_digits - 1;
    while (at < number.size() && IsDigit(number[at])) {
      ++at;
    }
  } else {
    int64_t zeros = 0;
    while (at < number.size() && number[at] == '0') {
      ++zeros;
      ++at;
    }
    magnitude = -zeros - 1;
    while (at < number.size() && IsDigit(number[at])) {
      ++at;
    }
  }
  if (at < number.size() && (number[at] == 'e' || number[at] == 'E')) {
    ++at;
    bool negative = false;
    if (at < number.size() && (number[at] == '+' || number[at] == '-')) {
      negative = number[at] == '-';
      ++at;
    }
    int64_t exponent = 0;
    while (at < number.size() && IsDigit(number[at])) {
      exponent = std::min(exponent * 10 + (number[at] - '0'), kExponentLimit);
      ++at;
    }
    magnitude += negative ? -exponent : exponent;
  }
  return magnitude;
}

}  // namespace

float ParseFloatText(std::string_view text) {
  std::size_t at = SkipSpace(text, 0);
  bool negative = false;
  if (at < text.size() && (text[at] == '+' || text[at] == '-')) {
    negative = text[at] == '-';
    ++at;
  }
  // Only digits, a point and an exponent make a number here: from_chars on
  // its own would also take "inf" and "nan", which atof of this format
  // does not know, and it does not take a leading "+".
  if (at >= text.size() || !(IsDigit(text[at]) || text[at] == '.')) {
    return 0.0f;
  }
  double value = 0.0;
  const char* first = text.data() + at;
  const char* last = text.data() + text.size();
  const auto [end, error] = std::from_chars(first, last, value, std::chars_format::general);
  if (error == std::errc::invalid_argument) {
    return 0.0f;
  }
  if (error == std::errc::result_out_of_range) {
    // atof gives HUGE_VAL for a too large and 0 for a too small magnitude.
    const std::string_view number(first, static_cast<std::size_t>(end - first));
    value = DecimalMagnitude(number) < 0 ? 0.0 : std::numeric_limits<double>::infinity();
  }
  if (negative) {
    value = -value;
  }
  // Out of the float range the narrowing is left to IEEE rounding, which a
  // plain cast does not promise; beyond the largest float plus half a unit
  // the nearest value is infinity.
  constexpr double kFloatLimit = 0x1.ffffffp127;
  if (std::fabs(value) >= kFloatLimit) {
    return negative ? -std::numeric_limits<float>::infinity()
                    : std::numeric_limits<float>::infinity();
  }
  if (std::fabs(value) > std::numeric_limits<float>::max()) {
    return negative ? -std::numeric_limits<float>::max() : std::numeric_limits<float>::max();
  }
  return static_cast<float>(value);
}

int32_t ParseIntText(std::string_view text) {
  std::size_t at = SkipSpace(text, 0);
  bool negative = false;
  if (at < text.size() && (text[at] == '+' || text[at] == '-')) {
    negative = text[at] == '-';
    ++at;
  }
  // A number beyond 32 bits saturates, as strtol with a 32-bit long does.
  constexpr int64_t kMax = std::numeric_limits<int32_t>::max();
  constexpr int64_t kMin = -static_cast<int64_t>(std::numeric_limits<int32_t>::min());
  const int64_t limit = negative ? kMin : kMax;
  int64_t value = 0;
  while (at < text.size() && IsDigit(text[at])) {
    value = value * 10 + (text[at] - '0');
    if (value > limit) {
      value = limit;
    }
    ++at;
  }
  return static_cast<int32_t>(negative ? -value : value);
}

Guid ParseGuidText(std::string_view text) {
  // Numbers that the text does not supply are 0: a short or broken text
  // gives the fields read so far and zeros after them.
  uint32_t numbers[11] = {};
  std::size_t at = 0;
  for (std::size_t i = 0; i < 11; ++i) {
    if (i > 0) {
      if (at >= text.size() || text[at] != ':') {
        break;
      }
      ++at;
    }
    if (!ReadUnsigned(text, at, numbers[i])) {
      break;
    }
  }
  Guid guid;
  guid.data1 = numbers[0];
  guid.data2 = static_cast<uint16_t>(numbers[1]);
  guid.data3 = static_cast<uint16_t>(numbers[2]);
  for (std::size_t i = 0; i < 8; ++i) {
    guid.data4[i] = static_cast<uint8_t>(numbers[3 + i]);
  }
  return guid;
}

std::string_view FormatFloatText(float value, char (&buffer)[kFloatTextCapacity]) {
  const auto result = std::to_chars(buffer, buffer + kFloatTextCapacity, static_cast<double>(value),
                                    std::chars_format::fixed, 6);
  return {buffer, static_cast<std::size_t>(result.ptr - buffer)};
}

std::string_view FormatIntText(int32_t value, char (&buffer)[kIntTextCapacity]) {
  const auto result = std::to_chars(buffer, buffer + kIntTextCapacity, value);
  return {buffer, static_cast<std::size_t>(result.ptr - buffer)};
}

std::string_view FormatGuidText(const Guid& value, char (&buffer)[kGuidTextCapacity]) {
  const uint32_t numbers[11] = {value.data1,    value.data2,    value.data3,    value.data4[0],
                                value.data4[1], value.data4[2], value.data4[3], value.data4[4],
                                value.data4[5], value.data4[6], value.data4[7]};
  char* out = buffer;
  char* const end = buffer + kGuidTextCapacity;
  for (std::size_t i = 0; i < 11; ++i) {
    if (i > 0) {
      *out++ = ':';
    }
    out = std::to_chars(out, end, numbers[i]).ptr;
  }
  return {buffer, static_cast<std::size_t>(out - buffer)};
}
