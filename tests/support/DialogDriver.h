#pragma once

#include <gtest/gtest.h>

#include <functional>
#include <memory>

#include "support/SampleResources.h"

class Dialog;

namespace test {

// Keys the dialog tests type; kOpenList is the key that drops a list down.
enum class UserKey { kReturn, kEscape, kF1, kDown, kOpenList };

// What a dialog backend's test program gives the tests that every backend
// must pass: input made as the user makes it, through the system, so that a
// window blocked by a modal one does not get it; and what only the system
// can tell. It installs its backend while it lives.
class DialogDriver {
 public:
  virtual ~DialogDriver() = default;
  virtual void Click(const Dialog& dialog, int control_id) = 0;
  // To the focused control of `dialog`, as the system routes it.
  virtual void Press(const Dialog& dialog, UserKey key) = 0;
  virtual void CloseBox(const Dialog& dialog) = 0;
  virtual bool IsListOpen(const Dialog& dialog, int control_id) const = 0;
  virtual bool IsOwnedBy(const Dialog& child, const Dialog& owner) const = 0;
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
