#pragma once

#include <cstdint>
#include <string>
#include <string_view>

#include "platform/OwnerWindow.h"

namespace ui {

// Control id that stands for the window itself (focus).
constexpr int kWindowId = 0;

// One live window built by a backend from a dialog template. Dialog is its
// only caller; control ids are those of the template. Every setter works
// without sending a notification back to the dialog. Destroying the object
// destroys the window. It owns the message boxes of its dialog.
class DialogWindow : public platform::OwnerWindow {
 public:
  ~DialogWindow() override = default;

  // Shows the window, disables its owner (if any) and processes events until
  // EndModalLoop is called from one of the dialog's handlers; then hides the
  // window and enables the owner again. Loops nest: a handler may run
  // another window's loop.
  virtual void RunModalLoop() = 0;
  virtual void EndModalLoop() = 0;

  virtual void SetTitle(std::string_view text) = 0;
  virtual std::string GetTitle() const = 0;
  // Large and small window icon (caption, task bar) from an icon resource.
  virtual void SetIcon(int icon_id) = 0;
  // Whether the window takes input; false while a child's modal loop runs.
  virtual bool IsEnabled() const = 0;
  // Asks for a repaint; the backend calls Dialog::DispatchPaint for it.
  virtual void Invalidate() = 0;

  virtual void SetControlText(int control_id, std::string_view text) = 0;
  virtual std::string GetControlText(int control_id) const = 0;
  virtual void SetControlVisible(int control_id, bool visible) = 0;
  virtual bool IsControlVisible(int control_id) const = 0;
  virtual void SetControlEnabled(int control_id, bool enabled) = 0;
  virtual bool IsControlEnabled(int control_id) const = 0;
  virtual void SetControlIcon(int control_id, int icon_id) = 0;
  // The name that screen readers give a control in place of the one the
  // backend finds (its text, or the label before a list). A backend without
  // an accessibility layer ignores it.
  virtual void SetControlAccessibleName(int /*control_id*/, std::string_view /*name*/) {}

  // kWindowId gives the focus to the window itself. Set before the loop
  // runs, the focus is where the window starts once shown.
  virtual void SetFocus(int control_id) = 0;
  // The control with the focus; kWindowId when the window itself or nothing has it.
  virtual int GetFocus() const = 0;

  // Drop-down lists; items keep the order in which they were added.
  virtual void ResetList(int control_id) = 0;
  virtual int AddListItem(int control_id, std::string_view text, std::intptr_t data) = 0;
  virtual int GetListCount(int control_id) const = 0;
  virtual std::string GetListItemText(int control_id, int index) const = 0;
  virtual std::intptr_t GetListItemData(int control_id, int index) const = 0;
  // -1 clears the selection.
  virtual void SetListSelection(int control_id, int index) = 0;
  virtual int GetListSelection(int control_id) const = 0;

  // Timers fire Dialog::DispatchTimer with their id every period until killed;
  // setting a running id again restarts it with the new period.
  virtual void SetTimer(unsigned timer_id, unsigned period_ms) = 0;
  virtual void KillTimer(unsigned timer_id) = 0;
};

}  // namespace ui
