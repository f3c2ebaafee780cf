#include "ui/DialogBackend.h"

#include "platform/Seam.h"
#include "ui/DialogWindow.h"

namespace ui {
namespace {

class NoToolkitBackend final : public DialogBackend {
 public:
  std::unique_ptr<DialogWindow> CreateDialogWindow(Dialog&, const DialogTemplate&,
                                                   DialogWindow*) override {
    return nullptr;
  }
};

constinit platform::Seam<DialogBackend> s_seam(&RealDialogBackend);

}  // namespace

DialogBackend& GetDialogBackend() {
  return s_seam.Get();
}

DialogBackend* SetDialogBackend(DialogBackend* backend) {
  return s_seam.Set(backend);
}

DialogBackend& RealDialogBackend() {
  static NoToolkitBackend real;
  return real;
}

}  // namespace ui
