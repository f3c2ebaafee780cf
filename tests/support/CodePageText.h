#pragma once

#include <windows.h>

#include <optional>
#include <string>

namespace test {

// `text` in the system's code page, as the tool's paths are; nothing when
// that code page cannot spell it.
inline std::optional<std::string> InSystemCodePage(const wchar_t* text) {
  BOOL lossy = FALSE;
  const int size =
      ::WideCharToMultiByte(CP_ACP, WC_NO_BEST_FIT_CHARS, text, -1, nullptr, 0, nullptr, &lossy);
  if (size <= 0 || lossy) return std::nullopt;
  std::string converted(static_cast<std::size_t>(size), '\0');
  ::WideCharToMultiByte(CP_ACP, WC_NO_BEST_FIT_CHARS, text, -1, converted.data(), size, nullptr,
                        &lossy);
  converted.pop_back();  // the terminator
  return converted;
}

// The name of a game folder beyond ASCII, as a German player's would be
// under code page 1252: a Latin-1 letter, and a dash where that code page
// and Latin-1 differ, which a path read byte for byte as Latin-1 misses.
inline std::optional<std::string> NonAsciiFolderName() {
  return InSystemCodePage(L"Zarvex \u2013 Spiel f\u00FCr Kinder");
}

// The calling process's current folder.
inline std::string CurrentFolder() {
  char folder[MAX_PATH] = {};
  const DWORD length = ::GetCurrentDirectoryA(MAX_PATH, folder);
  return std::string(folder, length < MAX_PATH ? length : 0);
}

}  // namespace test
