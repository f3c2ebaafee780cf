#pragma once

#include <string_view>

#include "platform/OwnerWindow.h"

namespace platform {

// Button, icon and result values of the Windows message box, kept so that
// callers written against them read the same on every backend.
constexpr unsigned kMbOk = 0x00000000;
constexpr unsigned kMbOkCancel = 0x00000001;
constexpr unsigned kMbYesNo = 0x00000004;
constexpr unsigned kMbIconStop = 0x00000010;
constexpr unsigned kMbIconQuestion = 0x00000020;
constexpr unsigned kMbIconExclamation = 0x00000030;
constexpr unsigned kMbIconInformation = 0x00000040;
constexpr unsigned kMbButtonMask = 0x0000000F;
constexpr unsigned kMbIconMask = 0x000000F0;

constexpr int kIdOk = 1;
constexpr int kIdCancel = 2;
constexpr int kIdYes = 6;
constexpr int kIdNo = 7;

// Message boxes, the one way from any layer to the screen. The UI backend
// installs its own (the engine never opens a window itself); the real one,
// without a window system, writes the box to standard error and answers as
// if its first button was pressed.
class MessageBox {
 public:
  virtual ~MessageBox() = default;

  // Shows a modal box over `owner` (null: no owner window) and waits for the
  // answer. `flags` and the result are the kMb* and kId* values.
  virtual int Show(OwnerWindow* owner, std::string_view text, std::string_view caption,
                   unsigned flags) = 0;
};

// The installed message box, else the real one.
MessageBox& GetMessageBox();
// Installs `message_box` (not owned; null restores the real one) and returns
// the one installed before (null when that was the real one).
MessageBox* SetMessageBox(MessageBox* message_box);
// The real message box of this platform, defined by its backend.
MessageBox& RealMessageBox();

}  // namespace platform
