// The Win32 backend's driver of the dialog tests that every backend must
// pass: input goes through the system's queue, as the user's does.

#include "support/DialogDriver.h"

#include <algorithm>
#include <map>

#include "Win32TestSupport.h"

namespace {

// The actions waiting for their thread timer, which the innermost loop
// dispatches.
std::map<UINT_PTR, std::function<void()>> s_pending;

void CALLBACK RunPendingAction(HWND, UINT, UINT_PTR id, DWORD) {
  KillTimer(nullptr, id);
  const auto found = s_pending.find(id);
  if (found == s_pending.end()) return;
  std::function<void()> action = std::move(found->second);
  s_pending.erase(found);
  action();
}

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
  s_pending[SetTimer(nullptr, 0, std::max(delay_ms, 50u), &RunPendingAction)] = std::move(action);
}
