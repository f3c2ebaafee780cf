#pragma once

#include "platform/MessageBox.h"

namespace ui::win32 {

// Message boxes as the system's own (MessageBoxA), whose flags and results
// the framework's values are. A box over a dialog window is owned by it, and
// the window takes no input while it is up; a box without an owner stands
// over the window whose modal loop runs innermost, or, with none, keeps
// every window of the thread from input.
class Win32MessageBox final : public platform::MessageBox {
 public:
  int Show(platform::OwnerWindow* owner, std::string_view text, std::string_view caption,
           unsigned flags) override;
};

}  // namespace ui::win32
