// The Win32 backend's driver of the dialog tests that every backend must
// pass: input goes through the system's queue, as the user's does.

#include "support/DialogDriver.h"

#include <algorithm>

#include "Win32TestSupport.h"

namespace {

HWND HandleOf(const Dialog& dialog) {
  return dynamic_cast<ui::win32::Win32DialogWindow&>(*dialog.GetWindow()).Handle();
}

HWND ControlOf(const Dialog& dialog, int control_id) {
  return dynamic_cast<ui::win32::Win32DialogWindow&>(*dialog.GetWindow())
      .ControlHandle(control_id);
}

class Win32DialogDriver final : public test::DialogDriver {
 public:
  void Click(const Dialog& dialog, int control_id) override {
    win32test::Click(ControlOf(dialog, control_id));
  }
  void Press(const Dialog&, test::UserKey key) override {
    using K = test::UserKey;
    win32test::TapKey(key == K::kReturn   ? VK_RETURN
                      : key == K::kEscape ? VK_ESCAPE
                      : key == K::kF1     ? VK_F1
                      : key == K::kDown   ? VK_DOWN
                                          : VK_F4);
  }
  void CloseBox(const Dialog& dialog) override {
    SendMessageA(HandleOf(dialog), WM_SYSCOMMAND, SC_CLOSE, 0);
    win32test::Pump();
  }
  bool IsListOpen(const Dialog& dialog, int control_id) const override {
    return SendMessageA(ControlOf(dialog, control_id), CB_GETDROPPEDSTATE, 0, 0) != 0;
  }
  bool IsOwnedBy(const Dialog& child, const Dialog& owner) const override {
    return GetWindow(HandleOf(child), GW_OWNER) == HandleOf(owner);
  }

 private:
  ui::win32::Win32DialogBackend m_backend;
};

}  // namespace

std::unique_ptr<test::DialogDriver> test::MakeDialogDriver() {
  return std::make_unique<Win32DialogDriver>();
}

// A newly shown window takes the input a little after its loop starts.
void test::WhenLoopRuns(std::function<void()> action, unsigned delay_ms) {
  win32test::Later(std::move(action), std::max(delay_ms, 50u));
}
