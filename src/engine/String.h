#pragma once

#include <cstdarg>
#include <string>

// The engine's text type: an owned run of 8-bit characters kept with a
// terminating zero byte. std::string compares byte by byte as unsigned values,
// a proper prefix first, which is the order the engine relies on.
using String = std::string;

// All helpers work in the "C" locale whatever the process locale is.
// White space is the bytes 9 to 13 and 32.

// a-z become A-Z in place; every other byte (128-255 included) is unchanged.
String& ToUpper(String& text);
String ToUpperCopy(const String& text);

String& TrimLeft(String& text);
String& TrimRight(String& text);
String& Trim(String& text);

// True when both texts are equal ignoring the case of a-z.
bool EqualsNoCase(const String& a, const String& b);

// `out` becomes the formatted text. A format of n characters yields at most
// n + 1999 characters; a longer result is cut. Never pass outside text as the
// format: use "%s".
[[gnu::format(printf, 2, 3)]] void Format(String& out, const char* format, ...);
void FormatV(String& out, const char* format, std::va_list args);

// The boolean words of configuration files, built before main and destroyed
// after it. Other process-wide objects must not copy them while being built:
// the order of construction between files is not fixed.
extern const String kTrueText;   // "TRUE"
extern const String kFalseText;  // "FALSE"
