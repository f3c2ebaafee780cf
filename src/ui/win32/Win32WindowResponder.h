#pragma once

#include <string>

#include "platform/InstanceResponder.h"
#include "ui/win32/Win32.h"

namespace ui::win32 {

// Answers later starts about the top-level windows of the user-interface
// thread, whatever window they are, as a window lookup by title would.
class Win32WindowResponder final : public platform::InstanceResponder {
 public:
  bool HasTopLevelWindow(const std::string& title) override;
  void TakeFocus(const std::string& title) override;

 private:
  static HWND Find(const std::string& title);
};

}  // namespace ui::win32
