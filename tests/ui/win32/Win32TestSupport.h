#pragma once

#include <gtest/gtest.h>

#include <functional>

#include "support/DialogDriver.h"
#include "support/HookedDialog.h"
#include "support/SampleResources.h"
#include "ui/win32/Win32Api.h"
#include "ui/win32/Win32DialogBackend.h"
#include "ui/win32/Win32DialogWindow.h"

namespace win32test {

using namespace ::test;  // the sample's ids
using BackendTest = SampleDialogTest;
using test::HookedDialog;

// Takes every message waiting now, as the modal loop would, so that the
// input injected before has arrived where it goes.
inline void Pump() {
  for (int round = 0; round < 4; ++round) {
    Sleep(25);
    MSG message;
    while (PeekMessageA(&message, nullptr, 0, 0, PM_REMOVE)) {
      ui::win32::Win32DialogWindow::DeliverMessage(message);
    }
  }
}

// Pumps until `done` holds, for two seconds at most: input sent through the
// display server arrives when it arrives, later on a busy machine.
inline void PumpUntil(const std::function<bool()>& done) {
  for (int round = 0; round < 20 && !done(); ++round) Pump();
}

// A click as the user makes it, at the centre of `control` on the screen.
inline void Click(HWND control) {
  RECT rect;
  GetWindowRect(control, &rect);
  SetCursorPos((rect.left + rect.right) / 2, (rect.top + rect.bottom) / 2);
  INPUT inputs[2]{};
  inputs[0].type = inputs[1].type = INPUT_MOUSE;
  inputs[0].mi.dwFlags = MOUSEEVENTF_LEFTDOWN;
  inputs[1].mi.dwFlags = MOUSEEVENTF_LEFTUP;
  SendInput(2, inputs, sizeof(INPUT));
  Pump();
}

// A dialog's window handle and its controls'.
inline HWND HandleOf(const Dialog& dialog) {
  return dynamic_cast<ui::win32::Win32DialogWindow&>(*dialog.GetWindow()).Handle();
}
inline HWND ControlOf(const Dialog& dialog, int control_id) {
  return dynamic_cast<ui::win32::Win32DialogWindow&>(*dialog.GetWindow()).ControlHandle(control_id);
}

}  // namespace win32test
