#include "platform/MessageBox.h"

#include <cstdio>

namespace platform::posix {
namespace {

class StandardErrorMessageBox final : public MessageBox {
 public:
  int Show(OwnerWindow*, std::string_view text, std::string_view caption, unsigned flags) override {
    std::fprintf(stderr, "[%.*s] %.*s\n", static_cast<int>(caption.size()), caption.data(),
                 static_cast<int>(text.size()), text.data());
    return (flags & kMbButtonMask) == kMbYesNo ? kIdYes : kIdOk;
  }
};

}  // namespace
}  // namespace platform::posix

namespace platform {

MessageBox& RealMessageBox() {
  static posix::StandardErrorMessageBox real;
  return real;
}

}  // namespace platform
