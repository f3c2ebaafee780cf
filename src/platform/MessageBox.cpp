#include "platform/MessageBox.h"

#include "platform/Seam.h"

namespace platform {
namespace {

constinit Seam<MessageBox> s_seam(&RealMessageBox);

}  // namespace

MessageBox& GetMessageBox() {
  return s_seam.Get();
}

MessageBox* SetMessageBox(MessageBox* message_box) {
  return s_seam.Set(message_box);
}

}  // namespace platform
