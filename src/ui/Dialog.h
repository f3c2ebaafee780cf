#pragma once

#include <cstdint>
#include <functional>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "ui/KeyMessage.h"
#include "ui/Notification.h"

namespace ui {
class DataExchange;
class DialogWindow;
class PaintContext;
struct DialogTemplate;
}  // namespace ui

// Base class of every window: a dialog template plus the code that fills its
// controls, exchanges data with them and handles their commands.
//
// DoModal builds the window through the installed DialogBackend, calls
// OnInitDialog, and runs the window's modal loop until EndDialog. The backend
// delivers the user's actions through the Dispatch* members, which route them
// to the handlers mapped with MapCommand, to OnOK/OnCancel for the OK and
// Cancel ids, and to the virtual hooks (OnTimer, PreTranslateKey, OnHelp,
// OnPaint). The control accessors work only while the window exists (from
// OnInitDialog until DoModal returns); before and after they do nothing and
// return empty values.
class Dialog {
 public:
  // A parent of nullptr is allowed: the window is then owned by the innermost
  // window whose modal loop is running, which is disabled meanwhile, as a
  // dialog without a parent is owned by the application's main window.
  explicit Dialog(int template_id, Dialog* parent = nullptr);
  virtual ~Dialog();
  Dialog(const Dialog&) = delete;
  Dialog& operator=(const Dialog&) = delete;

  // Runs the window modally and returns the value given to EndDialog
  // (platform::kIdOk, platform::kIdCancel, ...), or -1 when the window could
  // not be built (no backend installed, no template).
  int DoModal();
  // Ends the modal loop; the window closes once the current handler returns.
  void EndDialog(int result);

  int GetTemplateId() const { return m_template_id; }
  Dialog* GetParent() const { return m_parent; }
  bool IsOpen() const { return m_window != nullptr; }
  // The backend's window, nullptr while not open.
  ui::DialogWindow* GetWindow() const { return m_window.get(); }

  // Data exchange: false moves the members into the controls, true reads
  // the controls back into the members; returns false when a value failed
  // to validate.
  bool UpdateData(bool save_and_validate);

  // Window and control state.
  void SetWindowText(std::string_view text);
  std::string GetWindowText() const;
  void SetWindowIcon(int icon_id);
  void Invalidate();
  void SetControlText(int control_id, std::string_view text);
  std::string GetControlText(int control_id) const;
  void ShowControl(int control_id);
  void HideControl(int control_id);
  bool IsControlVisible(int control_id) const;
  void EnableControl(int control_id);
  void DisableControl(int control_id);
  bool IsControlEnabled(int control_id) const;
  void SetControlIcon(int control_id, int icon_id);
  // What screen readers call a control whose text or label does not say
  // what it is (several buttons of one text, a read-only text, a picture).
  void SetControlAccessibleName(int control_id, std::string_view name);

  // Focus; ui::kWindowId stands for the window itself.
  void SetFocus(int control_id);
  int GetFocus() const;
  // Moves the focus to the window and back to the control that had it,
  // which closes an open list and ends any pending edit of that control.
  void MoveFocusToWindowAndBack();

  // Drop-down lists with item data.
  void ResetList(int control_id);
  int AddListItem(int control_id, std::string_view text, std::intptr_t data = 0);
  int GetListCount(int control_id) const;
  std::string GetListItemText(int control_id, int index) const;
  std::intptr_t GetListItemData(int control_id, int index) const;
  void SetListSelection(int control_id, int index);
  int GetListSelection(int control_id) const;
  // Index of the first item carrying `data`, or -1.
  int FindListItemData(int control_id, std::intptr_t data) const;

  // Timers by id; they fire OnTimer until killed or the window closes.
  void SetTimer(unsigned timer_id, unsigned period_ms);
  void KillTimer(unsigned timer_id);

  // A message box owned by this window (or by nothing when not open).
  // `flags` and the result are the platform::kMb* and platform::kId* values.
  int MessageBox(std::string_view text, std::string_view caption, unsigned flags);

  // Handlers of user actions by control id, as a message map does. A handler
  // mapped for platform::kIdOk or kIdCancel replaces OnOK or OnCancel.
  using CommandHandler = std::function<void()>;
  using RangeHandler = std::function<void(int control_id)>;
  void MapCommand(int control_id, ui::Notification code, CommandHandler handler);
  void MapCommandRange(int first_id, int last_id, ui::Notification code, RangeHandler handler);

  // Entry points of the backend (see DialogBackend.h).
  void DispatchCommand(int control_id, ui::Notification code);
  void DispatchTimer(unsigned timer_id);
  // True when the key filter swallowed the message.
  bool DispatchKey(const ui::KeyMessage& message);
  void DispatchHelp();
  void DispatchPaint(ui::PaintContext& context);

 protected:
  // Called once the window exists, before it is shown. The default fills the
  // controls (UpdateData(false)) and returns true, which gives the focus to
  // the first control that can take it; false means the handler set the focus.
  virtual bool OnInitDialog();
  // Binds members to controls with the ui::DataExchange helpers.
  virtual void DoDataExchange(ui::DataExchange& exchange);
  // OK: reads the controls back; if they validate, ends with platform::kIdOk.
  virtual void OnOK();
  // Cancel button, Escape and close box: ends with platform::kIdCancel.
  virtual void OnCancel();
  virtual void OnTimer(unsigned timer_id);
  // Sees every keyboard message before the dialog does; true swallows it.
  virtual bool PreTranslateKey(const ui::KeyMessage& message);
  // The help key (F1). The default does nothing.
  virtual void OnHelp();
  // Called after the window painted its controls.
  virtual void OnPaint(ui::PaintContext& context);
  // Called when the window is about to be destroyed, after the modal loop.
  virtual void OnDestroy();

 private:
  struct MappedCommand {
    int first_id;
    int last_id;
    ui::Notification code;
    RangeHandler handler;
  };

  const ui::DialogTemplate* FindTemplate() const;
  int FirstFocusableControl() const;

  int m_template_id;
  Dialog* m_parent;
  std::unique_ptr<ui::DialogWindow> m_window;
  const ui::DialogTemplate* m_template = nullptr;
  std::vector<MappedCommand> m_commands;
  int m_result = -1;
  bool m_ended = false;
  bool m_loop_running = false;
};
