#include "engine/String.h"

#include <cstdarg>
#include <vector>

#include "platform/CFormat.h"

namespace {

// The "C" locale's classes, written out so that no process locale can change
// them.
bool IsSpace(unsigned char c) {
  return c == ' ' || (c >= 9 && c <= 13);
}
char UpperC(char c) {
  return c >= 'a' && c <= 'z' ? static_cast<char>(c - 'a' + 'A') : c;
}

constexpr std::size_t kFormatHeadroom = 2000;

}  // namespace

const String kTrueText = "TRUE";
const String kFalseText = "FALSE";

String& ToUpper(String& text) {
  for (char& c : text) c = UpperC(c);
  return text;
}

String ToUpperCopy(const String& text) {
  String copy = text;
  return ToUpper(copy);
}

String& TrimLeft(String& text) {
  std::size_t first = 0;
  while (first < text.size() && IsSpace(static_cast<unsigned char>(text[first]))) ++first;
  text.erase(0, first);
  return text;
}

String& TrimRight(String& text) {
  std::size_t end = text.size();
  while (end > 0 && IsSpace(static_cast<unsigned char>(text[end - 1]))) --end;
  text.erase(end);
  return text;
}

String& Trim(String& text) {
  return TrimRight(TrimLeft(text));
}

bool EqualsNoCase(const String& a, const String& b) {
  // Compared up to the first zero byte of either, as C texts are.
  const char* left = a.c_str();
  const char* right = b.c_str();
  while (*left != '\0' && UpperC(*left) == UpperC(*right)) {
    ++left;
    ++right;
  }
  return UpperC(*left) == UpperC(*right);
}

void Format(String& out, const char* format, ...) {
  std::va_list args;
  va_start(args, format);
  FormatV(out, format, args);
  va_end(args);
}

void FormatV(String& out, const char* format, std::va_list args) {
  std::vector<char> buffer(String(format).size() + kFormatHeadroom, '\0');
  platform::FormatCLocale(buffer.data(), buffer.size(), format, args);
  buffer.back() = '\0';
  out.assign(buffer.data());
}
