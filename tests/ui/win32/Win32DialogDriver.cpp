// The Win32 backend's driver of the dialog tests that every backend must
// pass: input goes through the system's queue, as the user's does.

#include "support/DialogDriver.h"

#include <algorithm>
#include <map>
#include <string>

#include "Win32TestSupport.h"
#include "platform/KeyboardState.h"

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

using win32test::ControlOf;
using win32test::HandleOf;

bool IsHeld(unsigned virtual_key) {
  return (platform::GetKeyboardState().Read()[virtual_key] & platform::kKeyDownBit) != 0;
}

class Win32DialogDriver final : public test::DialogDriver {
 public:
  void Click(const Dialog& dialog, int control_id) override {
    win32test::Click(ControlOf(dialog, control_id));
  }
  // Through the system's input queue, until the keyboard state has the key.
  void SendKey(const Dialog&, unsigned virtual_key, test::KeyAction action) override {
    const bool press = action == test::KeyAction::kPress;
    INPUT input{};
    input.type = INPUT_KEYBOARD;
    input.ki.wVk = static_cast<WORD>(virtual_key);
    input.ki.wScan = static_cast<WORD>(MapVirtualKeyA(virtual_key, MAPVK_VK_TO_VSC));
    input.ki.dwFlags = press ? 0 : KEYEVENTF_KEYUP;
    SendInput(1, &input, sizeof(input));
    win32test::PumpUntil([&] { return IsHeld(virtual_key) == press; });
  }
  // The keys go to the foreground window. Under a newly started Wine the
  // display's own key map can overwrite the state once, as the window first
  // takes the focus: Shift is pressed until the state has seen a press, three
  // times at most.
  void TakeKeyboard(const Dialog& dialog) override {
    SetForegroundWindow(HandleOf(dialog));
    win32test::PumpUntil([&] { return GetForegroundWindow() == HandleOf(dialog); });
    bool seen = false;
    for (int attempt = 0; attempt < 3 && !seen; ++attempt) {
      SendKey(dialog, VK_SHIFT, test::KeyAction::kPress);
      seen = IsHeld(VK_SHIFT);
      SendKey(dialog, VK_SHIFT, test::KeyAction::kRelease);
    }
  }
  void CloseBox(const Dialog& dialog) override {
    SendMessageA(HandleOf(dialog), WM_SYSCOMMAND, SC_CLOSE, 0);
    win32test::Pump();
  }
  test::PixelRect PlaceOf(const Dialog& dialog, int control_id) const override {
    HWND window = HandleOf(dialog);
    RECT rect;
    if (control_id == ui::kWindowId) {
      GetClientRect(window, &rect);
    } else {
      GetWindowRect(ControlOf(dialog, control_id), &rect);
      MapWindowPoints(nullptr, window, reinterpret_cast<POINT*>(&rect), 2);
    }
    return {rect.left, rect.top, rect.right - rect.left, rect.bottom - rect.top};
  }
  bool IsListOpen(const Dialog& dialog, int control_id) const override {
    return SendMessageA(ControlOf(dialog, control_id), CB_GETDROPPEDSTATE, 0, 0) != 0;
  }
  bool IsOwnedBy(const Dialog& child, const Dialog& owner) const override {
    return GetWindow(HandleOf(child), GW_OWNER) == HandleOf(owner);
  }
  bool AnswerBox(std::string_view title, int button_id, const Dialog& owner) override {
    HWND box = FindWindowA("#32770", std::string(title).c_str());
    HWND button = GetDlgItem(box, button_id);
    if (button == nullptr) return false;
    PostMessageA(button, BM_CLICK, 0, 0);
    return GetWindow(box, GW_OWNER) == HandleOf(owner);
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
