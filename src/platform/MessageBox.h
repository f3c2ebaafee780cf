#pragma once

#include <functional>
#include <string>

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

// Shows a message box with no owner window and waits for the answer.
using MessageBoxHook =
    std::function<int(const std::string& text, const std::string& caption, unsigned flags)>;

// Installs the function that shows message boxes; an empty hook restores the
// default, which writes the box to standard error and answers as if its first
// button was pressed. Returns the hook that was installed before.
MessageBoxHook SetMessageBoxHook(MessageBoxHook hook);

int ShowMessageBox(const std::string& text, const std::string& caption, unsigned flags);

}  // namespace platform
