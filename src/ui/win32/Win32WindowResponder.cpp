#include "ui/win32/Win32WindowResponder.h"

#include "ui/win32/Win32DialogWindow.h"

namespace ui::win32 {
namespace {

struct Search {
  const std::string* title;
  HWND found;
};

BOOL CALLBACK MatchTitle(HWND hwnd, LPARAM data) {
  auto& search = *reinterpret_cast<Search*>(data);
  if (!IsWindowVisible(hwnd)) {
    return TRUE;
  }
  std::string text(search.title->size() + 2, '\0');
  text.resize(
      static_cast<std::size_t>(GetWindowTextA(hwnd, text.data(), static_cast<int>(text.size()))));
  if (text != *search.title) {
    return TRUE;
  }
  search.found = hwnd;
  return FALSE;
}

}  // namespace

bool Win32WindowResponder::HasTopLevelWindow(const std::string& title) {
  return Find(title) != nullptr;
}

void Win32WindowResponder::TakeFocus(const std::string& title) {
  if (HWND window = Find(title)) {
    Win32DialogWindow::BringForward(window);
  }
}

HWND Win32WindowResponder::Find(const std::string& title) {
  Search search{&title, nullptr};
  EnumThreadWindows(GetCurrentThreadId(), &MatchTitle, reinterpret_cast<LPARAM>(&search));
  return search.found;
}

}  // namespace ui::win32
