#pragma once

#include <gtest/gtest.h>

#include <functional>
#include <memory>
#include <string_view>

#include "support/SampleResources.h"

class Dialog;

namespace test {

// Keys the dialog tests type, by their Windows virtual-key codes; kOpenList
// is the key that drops a list down.
enum class UserKey : unsigned {
  kReturn = 0x0D,
  kEscape = 0x1B,
  kF1 = 0x70,
  kDown = 0x28,
  kOpenList = 0x73,
};

enum class KeyAction { kPress, kRelease };

struct PixelRect {
  int x = 0, y = 0, width = 0, height = 0;
};

// What a dialog backend's test program gives the tests that every backend
// must pass: input made as the user makes it, through the system, so that a
// window blocked by a modal one does not get it; and what only the system
// can tell. It installs its backend while it lives.
class DialogDriver {
 public:
  virtual ~DialogDriver() = default;
  virtual void Click(const Dialog& dialog, int control_id) = 0;
  // A key by its Windows virtual-key code (a letter, a digit or a UserKey),
  // pressed or released alone, to the window with the focus as the system
  // routes it (`dialog` where none has it yet).
  virtual void SendKey(const Dialog& dialog, unsigned virtual_key, KeyAction action) = 0;
  void Press(const Dialog& dialog, UserKey key) {
    SendKey(dialog, static_cast<unsigned>(key), KeyAction::kPress);
    SendKey(dialog, static_cast<unsigned>(key), KeyAction::kRelease);
  }
  // Makes `dialog` the window that the keys go to, with the keyboard state
  // following them from then on; it may press keys of its own meanwhile.
  virtual void TakeKeyboard(const Dialog& dialog) = 0;
  virtual void CloseBox(const Dialog& dialog) = 0;
  // A control's place in the client area of `dialog`; for ui::kWindowId,
  // the client area itself.
  virtual PixelRect PlaceOf(const Dialog& dialog, int control_id) const = 0;
  virtual bool IsListOpen(const Dialog& dialog, int control_id) const = 0;
  virtual bool IsOwnedBy(const Dialog& child, const Dialog& owner) const = 0;
  // Presses button `button_id` (kIdOk, kIdNo, ...) of the open message box
  // titled `title` as the user does: whether there was one, owned by `owner`.
  virtual bool AnswerBox(std::string_view title, int button_id, const Dialog& owner) = 0;
};

// Each backend's test program defines these two.
std::unique_ptr<DialogDriver> MakeDialogDriver();
// Runs `action` once the innermost modal loop takes events, `delay_ms` or
// later.
void WhenLoopRuns(std::function<void()> action, unsigned delay_ms = 0);

// The sample resources and the backend's driver, which installs the backend:
// for the tests every backend must pass and for a backend's own.
class SampleDialogTest : public testing::Test {
 protected:
  std::unique_ptr<DialogDriver> m_driver = MakeDialogDriver();
  SampleResources m_resources;
};

}  // namespace test
