#include "controls/CaptureDialog.h"

#include "controls/BindingCodes.h"
#include "controls/DeviceKind.h"
#include "controls/KeyboardScanTable.h"
#include "platform/Gamepads.h"
#include "platform/KeyboardState.h"
#include "platform/MessageBox.h"
#include "resources/ResourceIds.h"
#include "resources/StringIds.h"
#include "ui/DialogWindow.h"
#include "ui/ResourceStrings.h"

CaptureDialog::CaptureDialog()
    : Dialog(resources::kCaptureDialog, nullptr), m_result(kCaptureNotWatched) {}

bool CaptureDialog::OnInitDialog() {
  Dialog::OnInitDialog();
  SetWindowText(ui::LoadString(kStrCaptureTitle));
  SetControlText(resources::kCapturePrompt, ui::LoadString(kStrCapturePrompt));
  SetControlText(platform::kIdCancel, ui::LoadString(kStrCancel));
  // Without the gamepad system the window ends before it shows, also for the
  // keyboard; the controller window has told the player why.
  if (platform::GetGamepads().Start()) {
    EndDialog(platform::kIdCancel);
    return true;
  }
  m_watching = true;
  SetTimer(kTimerId, kTimerPeriodMs);
  return true;
}

bool CaptureDialog::Tick() {
  if (!m_watching) {
    return false;
  }
  if (IsKeyboard(m_device)) {
    m_result = ScanKeyboard(platform::GetKeyboardState().Read());
    if (m_result == kKeyNone) return false;
  } else {
    m_result = m_poller.Poll(m_device, GetWindow());
    if (m_result == kPadNoInput) return false;
  }
  m_watching = false;
  KillTimer(kTimerId);
  EndDialog(platform::kIdOk);
  return true;
}

void CaptureDialog::OnTimer(unsigned timer_id) {
  if (timer_id == kTimerId) {
    Tick();
  }
}

void CaptureDialog::OnCancel() {
  // One last look: a key held as Cancel is pressed still counts.
  if (Tick()) {
    return;
  }
  m_watching = false;
  KillTimer(kTimerId);
  Dialog::OnCancel();
}

bool CaptureDialog::PreTranslateKey(const ui::KeyMessage& message) {
  const auto kind = static_cast<std::uint32_t>(message.kind);
  return kind >= static_cast<std::uint32_t>(ui::KeyMessageKind::kKeyDown) &&
         kind <= static_cast<std::uint32_t>(ui::KeyMessageKind::kSysDeadChar);
}
