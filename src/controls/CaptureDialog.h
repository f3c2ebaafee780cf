#pragma once

#include <cstdint>

#include "controls/GamepadPoller.h"
#include "platform/Guid.h"
#include "ui/Dialog.h"

// The small window that waits for the player to press a key or a gamepad
// control and hands back its binding code. It watches the chosen device on
// a timer and closes as soon as something is held.
class CaptureDialog : public Dialog {
 public:
  static constexpr unsigned kTimerId = 342;
  static constexpr unsigned kTimerPeriodMs = 100;

  // The window has no parent: it is owned by whichever window is open.
  CaptureDialog();

  // The device to watch; set before DoModal.
  void SetDevice(const Guid& device) { m_device = device; }
  // The captured code; 0 (keyboard) or 19 (gamepad) when nothing was
  // pressed, -1 when the device was never watched.
  std::int32_t GetResult() const { return m_result; }

 protected:
  bool OnInitDialog() override;
  void OnCancel() override;
  void OnTimer(unsigned timer_id) override;
  // Every keyboard message is swallowed, so Return and Escape are captured
  // like any other key instead of pressing the button.
  bool PreTranslateKey(const ui::KeyMessage& message) override;
  void OnHelp() override {}

 private:
  // One look at the device; true when it closed the window with OK.
  bool Tick();

  Guid m_device;
  std::int32_t m_result;
  bool m_watching = false;
  GamepadPoller m_poller;
};
