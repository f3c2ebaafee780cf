#pragma once

#include <map>

#include "ui/DialogWindow.h"
#include "ui/win32/Picture.h"
#include "ui/win32/Win32Api.h"

class Dialog;

namespace ui {
struct ControlTemplate;
struct DialogTemplate;
}  // namespace ui

namespace ui::win32 {

class IconHandles;

// A dialog's window as a real dialog box: its template becomes an in-memory
// dialog template, from which the system creates the window and its controls
// in its own dialog units, with the template's default button, Tab order and
// groups. The modal loop is the dialog manager's (IsDialogMessage), with the
// dialog's key filter before it. The user's actions go to the Dialog through
// its Dispatch* entry points; changes made through this interface send
// nothing back.
class Win32DialogWindow final : public DialogWindow {
 public:
  // Creates the window hidden; IsCreated() tells whether the system made it.
  Win32DialogWindow(Dialog& dialog, const DialogTemplate& dialog_template, Win32DialogWindow* owner,
                    IconHandles& icons);
  ~Win32DialogWindow() override;
  Win32DialogWindow(const Win32DialogWindow&) = delete;
  Win32DialogWindow& operator=(const Win32DialogWindow&) = delete;

  bool IsCreated() const { return m_hwnd != nullptr; }
  HWND Handle() const { return m_hwnd; }
  // The platform's way to the window, for a device it reads (DirectInput).
  void* NativeHandle() const override { return m_hwnd; }
  // The window of a control, null for an unknown id.
  HWND ControlHandle(int control_id) const;

  void RunModalLoop() override;
  void EndModalLoop() override;

  void SetTitle(std::string_view text) override;
  std::string GetTitle() const override;
  void SetIcon(int icon_id) override;
  bool IsEnabled() const override;
  void Invalidate() override;

  void SetControlText(int control_id, std::string_view text) override;
  std::string GetControlText(int control_id) const override;
  void SetControlVisible(int control_id, bool visible) override;
  bool IsControlVisible(int control_id) const override;
  void SetControlEnabled(int control_id, bool enabled) override;
  bool IsControlEnabled(int control_id) const override;
  void SetControlIcon(int control_id, int icon_id) override;

  void SetFocus(int control_id) override;
  int GetFocus() const override;

  void ResetList(int control_id) override;
  int AddListItem(int control_id, std::string_view text, std::intptr_t data) override;
  int GetListCount(int control_id) const override;
  std::string GetListItemText(int control_id, int index) const override;
  std::intptr_t GetListItemData(int control_id, int index) const override;
  void SetListSelection(int control_id, int index) override;
  int GetListSelection(int control_id) const override;

  void SetTimer(unsigned timer_id, unsigned period_ms) override;
  void KillTimer(unsigned timer_id) override;

  // The live dialog window that `hwnd` is or belongs to; nullptr for others.
  static Win32DialogWindow* FromHandle(HWND hwnd);
  // The window whose modal loop runs innermost; nullptr when none runs.
  static Win32DialogWindow* Innermost();
  // Delivers one message taken from the thread's queue as the modal loops
  // do: the focus request of a later start, the key filter and help key of
  // the dialog it belongs to, that dialog's manager, else the window itself.
  static void DeliverMessage(MSG& message);
  // Brings a top-level window forward with the focus, or the window it
  // shows above itself (a child window, a message box).
  static void BringForward(HWND hwnd);

 private:
  class PaintContextImpl;

  static INT_PTR CALLBACK DialogProc(HWND hwnd, UINT message, WPARAM wparam, LPARAM lparam);
  static LRESULT CALLBACK FrameProc(HWND hwnd, UINT message, WPARAM wparam, LPARAM lparam,
                                    UINT_PTR subclass_id, DWORD_PTR data);
  // What the modal loop does with a message before the dialog manager; true
  // when it was consumed (a key the dialog's filter swallowed, the help key).
  static bool PreTranslateMessage(const MSG& message);

  void OnInitDialog(HWND hwnd);
  INT_PTR OnMessage(UINT message, WPARAM wparam);
  void OnCommand(int control_id, int code);
  void OnPaint();
  const Picture* FramePicture(HWND frame);
  // Into `dc` when given (WM_PRINTCLIENT), else a paint of its own; false
  // when the frame shows no picture.
  bool PaintFrame(HWND frame, HDC dc);
  bool FilterKey(const MSG& message);
  void PlaceWindow();
  // The size of a system icon metric at the window's DPI.
  int IconSize(int metric) const;
  void OnDpiChanged(unsigned dpi);
  void ApplyFocus(int control_id);
  const ControlTemplate* Find(int control_id) const;
  int ControlIdOf(HWND hwnd) const;

  Dialog& m_dialog;
  const DialogTemplate& m_template;  // resources live as long as the program
  Win32DialogWindow* m_owner;
  IconHandles& m_icons;
  HWND m_hwnd = nullptr;
  std::map<int, int> m_frame_bitmaps;  // black frame id -> bitmap id it shows
  std::map<int, Picture> m_frame_pictures;  // that bitmap at the frame's size
  std::map<int, int> m_control_icons;  // icon control id -> icon id it shows
  int m_window_icon = 0;
  // The window's DPI once it has moved to a screen of another; 0 before.
  unsigned m_dpi = 0;
  // Where the focus goes when the window is shown or activated again.
  int m_pending_focus = kWindowId;
  bool m_focus_on_activation = false;
  bool m_shown = false;
  bool m_loop_running = false;
  bool m_end_requested = false;
};

}  // namespace ui::win32
