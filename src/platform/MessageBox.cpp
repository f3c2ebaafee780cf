#include "platform/MessageBox.h"

#include <cstdio>
#include <utility>

namespace platform {
namespace {

int WriteToStandardError(const std::string& text, const std::string& caption, unsigned flags) {
  std::fprintf(stderr, "[%s] %s\n", caption.c_str(), text.c_str());
  return (flags & kMbButtonMask) == kMbYesNo ? kIdYes : kIdOk;
}

MessageBoxHook& CurrentHook() {
  static MessageBoxHook hook;
  return hook;
}

}  // namespace

MessageBoxHook SetMessageBoxHook(MessageBoxHook hook) {
  return std::exchange(CurrentHook(), std::move(hook));
}

int ShowMessageBox(const std::string& text, const std::string& caption, unsigned flags) {
  const MessageBoxHook& hook = CurrentHook();
  return hook ? hook(text, caption, flags) : WriteToStandardError(text, caption, flags);
}

}  // namespace platform
