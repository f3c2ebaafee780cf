#include "ui/win32/Win32DialogWindow.h"

#include <algorithm>

#include <commctrl.h>

#include "platform/MessageBox.h"
#include "ui/ControlTemplate.h"
#include "ui/Dialog.h"
#include "ui/DialogTemplate.h"
#include "ui/KeyMessage.h"
#include "ui/LiveWindows.h"
#include "ui/PaintContext.h"
#include "ui/ResourceSet.h"
#include "ui/win32/BitmapPainter.h"
#include "ui/win32/DialogTemplateBuilder.h"
#include "ui/win32/IconHandles.h"
#include "ui/win32/ResourcePictures.h"

namespace ui::win32 {
namespace {

using LiveWin32Windows = LiveWindows<Win32DialogWindow>;

// What the system posts to the focused window as it takes F1 from the
// queue, whatever becomes of the key message; its default handling sends
// WM_HELP. The help key is the key filter's to let through.
constexpr UINT kKeyF1Message = 0x004D;

// Sent to a per-monitor aware window that moves to a screen of another DPI.
constexpr UINT kDpiChangedMessage = 0x02E0;

std::string WindowText(HWND hwnd) {
  if (hwnd == nullptr) return {};
  std::string text(static_cast<std::size_t>(GetWindowTextLengthA(hwnd)) + 1, '\0');
  text.resize(
      static_cast<std::size_t>(GetWindowTextA(hwnd, text.data(), static_cast<int>(text.size()))));
  return text;
}

}  // namespace

class Win32DialogWindow::PaintContextImpl final : public PaintContext {
 public:
  PaintContextImpl(Win32DialogWindow& window, HDC dc) : m_window(window), m_dc(dc) {}

  bool IsMinimized() const override { return IsIconic(m_window.m_hwnd) != FALSE; }

  void StretchBitmapToControl(int control_id, int bitmap_id) override {
    const ControlTemplate* control = m_window.Find(control_id);
    HWND handle = m_window.ControlHandle(control_id);
    if (control == nullptr || handle == nullptr) {
      return;
    }
    if (control->kind == ControlKind::kBlackFrame) {
      // The frame draws the picture itself, over its own frame lines, when it
      // paints after the window in this same pass.
      int& shown = m_window.m_frame_bitmaps[control_id];
      if (shown != bitmap_id) {
        shown = bitmap_id;
        m_window.m_frame_pictures.erase(control_id);
        InvalidateRect(handle, nullptr, TRUE);
      }
      return;
    }
    RECT target;
    GetWindowRect(handle, &target);
    MapWindowPoints(nullptr, m_window.m_hwnd, reinterpret_cast<POINT*>(&target), 2);
    const Picture picture =
        BitmapForSize(bitmap_id, target.right - target.left, target.bottom - target.top);
    BitmapPainter(picture).Stretch(m_dc, target);
  }

  void DrawIconCentered(int icon_id) override {
    const int size = m_window.IconSize(SM_CXICON);
    HICON icon = m_window.m_icons.Get(icon_id, size);
    RECT client;
    GetClientRect(m_window.m_hwnd, &client);
    if (icon != nullptr) {
      DrawIconEx(m_dc, (client.right - size + 1) / 2, (client.bottom - size + 1) / 2, icon, size,
                 size, 0, nullptr, DI_NORMAL);
    }
  }

 private:
  Win32DialogWindow& m_window;
  HDC m_dc;
};

Win32DialogWindow::Win32DialogWindow(Dialog& dialog, const DialogTemplate& dialog_template,
                                     Win32DialogWindow* owner, IconHandles& icons)
    : m_dialog(dialog), m_template(dialog_template), m_owner(owner), m_icons(icons) {
  LiveWin32Windows::Add(this);
  const DialogTemplateBuilder built(dialog_template);
  // Created, not run: the framework fills the window (OnInitDialog) before
  // its modal loop shows it, so the system's own modal dialog function,
  // which creates and runs in one call, cannot be used; the loop below is
  // the one it runs.
  CreateDialogIndirectParamA(GetModuleHandleA(nullptr), built.Get(),
                             owner != nullptr ? owner->Handle() : nullptr, &DialogProc,
                             reinterpret_cast<LPARAM>(this));
}

Win32DialogWindow::~Win32DialogWindow() {
  LiveWin32Windows::Remove(this);
  if (m_hwnd != nullptr) {
    SetWindowLongPtrA(m_hwnd, DWLP_USER, 0);
    DestroyWindow(m_hwnd);  // and its timers
  }
}

INT_PTR CALLBACK Win32DialogWindow::DialogProc(HWND hwnd, UINT message, WPARAM wparam,
                                               LPARAM lparam) {
  if (message == WM_INITDIALOG) {
    SetWindowLongPtrA(hwnd, DWLP_USER, lparam);
    reinterpret_cast<Win32DialogWindow*>(lparam)->OnInitDialog(hwnd);
    return FALSE;  // the framework gives the focus
  }
  auto* window = reinterpret_cast<Win32DialogWindow*>(GetWindowLongPtrA(hwnd, DWLP_USER));
  return window != nullptr ? window->OnMessage(message, wparam) : FALSE;
}

void Win32DialogWindow::OnInitDialog(HWND hwnd) {
  m_hwnd = hwnd;
  for (const ControlTemplate& control : m_template.controls) {
    HWND handle = ControlHandle(control.id);
    if (handle == nullptr) continue;
    if (control.kind == ControlKind::kBlackFrame) {
      SetWindowSubclass(handle, &FrameProc, 0, reinterpret_cast<DWORD_PTR>(this));
    } else if (control.kind == ControlKind::kIcon && control.image_id != 0) {
      SetControlIcon(control.id, control.image_id);
    } else if (control.kind == ControlKind::kEdit &&
               HasFlag(control.style, ControlStyle::kMultiLine)) {
      // A pixel each side, as the Qt backend keeps: the wider margins a
      // scalable face gets by default would take a line from texts laid out
      // to fill their controls.
      SendMessageA(handle, EM_SETMARGINS, EC_LEFTMARGIN | EC_RIGHTMARGIN, MAKELONG(1, 1));
    }
  }
}

INT_PTR Win32DialogWindow::OnMessage(UINT message, WPARAM wparam) {
  switch (message) {
    case WM_COMMAND:
      OnCommand(LOWORD(wparam), HIWORD(wparam));
      return TRUE;
    case WM_TIMER:
      m_dialog.DispatchTimer(static_cast<unsigned>(wparam));
      return TRUE;
    case WM_PAINT:
      OnPaint();
      return TRUE;
    case WM_HELP:
      m_dialog.DispatchHelp();
      return TRUE;
    case kDpiChangedMessage:
      OnDpiChanged(LOWORD(wparam));
      return FALSE;  // the dialog manager lays the window out at the new DPI
    case WM_ACTIVATE:
      if (LOWORD(wparam) == WA_INACTIVE) {
        // Kept for GetFocus while another window is active.
        HWND focus = ::GetFocus();
        if (focus != nullptr && IsChild(m_hwnd, focus)) m_pending_focus = ControlIdOf(focus);
      } else if (m_focus_on_activation) {
        // After the dialog manager has put back the focus it saved.
        m_focus_on_activation = false;
        PostMessageA(m_hwnd, WM_NEXTDLGCTL,
                     reinterpret_cast<WPARAM>(ControlHandle(m_pending_focus)), TRUE);
      }
      return FALSE;
    case WM_QUERYNEWPALETTE:
    case WM_PALETTECHANGED:
      // On a palette display the pictures are drawn again through the
      // palette now realised; a true-colour display needs nothing.
      if (reinterpret_cast<HWND>(wparam) != m_hwnd) {
        HDC screen = GetDC(m_hwnd);
        const bool palette = (GetDeviceCaps(screen, RASTERCAPS) & RC_PALETTE) != 0;
        ReleaseDC(m_hwnd, screen);
        if (palette) RedrawWindow(m_hwnd, nullptr, nullptr, RDW_INVALIDATE | RDW_ALLCHILDREN);
      }
      return FALSE;
    default:
      return FALSE;
  }
}

void Win32DialogWindow::OnCommand(int control_id, int code) {
  const ControlTemplate* control = Find(control_id);
  const ControlKind kind = control != nullptr ? control->kind : ControlKind::kStaticText;
  // Nothing reaches a disabled control, not even Enter's OK without a
  // default button.
  if (control != nullptr && !IsControlEnabled(control_id)) {
    return;
  }
  switch (code) {
    case BN_CLICKED:
      // Enter and Escape come from the dialog manager as the default
      // button's id, or OK, and Cancel, whether or not the template has them.
      if (IsPushButton(kind) || control_id == IDOK || control_id == IDCANCEL) {
        m_dialog.DispatchCommand(control_id, Notification::kClicked);
      }
      break;
    case CBN_SELCHANGE:
      if (kind == ControlKind::kDropDownList) {
        m_dialog.DispatchCommand(control_id, Notification::kSelectionChanged);
      }
      break;
    case CBN_DROPDOWN:
      if (kind == ControlKind::kDropDownList) {
        m_dialog.DispatchCommand(control_id, Notification::kDropDown);
      }
      break;
    default:
      break;
  }
}

void Win32DialogWindow::OnPaint() {
  PAINTSTRUCT paint;
  HDC dc = BeginPaint(m_hwnd, &paint);
  if (dc != nullptr) {
    PaintContextImpl context(*this, dc);
    m_dialog.DispatchPaint(context);
  }
  EndPaint(m_hwnd, &paint);
}

LRESULT CALLBACK Win32DialogWindow::FrameProc(HWND hwnd, UINT message, WPARAM wparam, LPARAM lparam,
                                              UINT_PTR, DWORD_PTR data) {
  auto* window = reinterpret_cast<Win32DialogWindow*>(data);
  switch (message) {
    case WM_PAINT:
      if (window->PaintFrame(hwnd, nullptr)) return 0;
      break;
    case WM_PRINTCLIENT:
      if (window->PaintFrame(hwnd, reinterpret_cast<HDC>(wparam))) return 0;
      break;
    case WM_ERASEBKGND:
      if (window->m_frame_bitmaps.count(GetDlgCtrlID(hwnd)) != 0)
        return 1;  // the picture covers it
      break;
    case WM_NCDESTROY:
      RemoveWindowSubclass(hwnd, &FrameProc, 0);
      break;
    default:
      break;
  }
  return DefSubclassProc(hwnd, message, wparam, lparam);
}

const Picture* Win32DialogWindow::FramePicture(HWND frame) {
  const auto it = m_frame_bitmaps.find(GetDlgCtrlID(frame));
  if (it == m_frame_bitmaps.end()) {
    return nullptr;
  }
  RECT client;
  GetClientRect(frame, &client);
  // Made once per size, at the frame's own pixels: the copy to the screen
  // then neither drops nor repeats rows.
  Picture& picture = m_frame_pictures[it->first];
  if (picture.width != client.right || picture.height != client.bottom) {
    picture = BitmapForSize(it->second, client.right, client.bottom);
  }
  return picture.pixels.empty() ? nullptr : &picture;  // else the frame as the template draws it
}

bool Win32DialogWindow::PaintFrame(HWND frame, HDC dc) {
  const Picture* picture = FramePicture(frame);
  if (picture == nullptr) {
    return false;
  }
  const bool own_paint = dc == nullptr;
  PAINTSTRUCT paint;
  if (own_paint) dc = BeginPaint(frame, &paint);
  if (dc != nullptr) {
    BitmapPainter(*picture).Stretch(dc, RECT{0, 0, picture->width, picture->height});
  }
  if (own_paint) EndPaint(frame, &paint);
  return true;
}

bool Win32DialogWindow::PreTranslateMessage(const MSG& message) {
  if (message.message == WM_SETFOCUS) {
    // Posted, not sent, to a dialog window: a later start of the program asks
    // this one to come forward (the system sends its own focus changes).
    Win32DialogWindow* window = FromHandle(message.hwnd);
    if (window != nullptr && window->m_hwnd == message.hwnd) {
      BringForward(message.hwnd);
      return true;
    }
    return false;
  }
  if (message.message == kKeyF1Message) {
    return FromHandle(message.hwnd) != nullptr;
  }
  if (message.message < WM_KEYDOWN || message.message > WM_SYSDEADCHAR) {
    return false;
  }
  Win32DialogWindow* window = FromHandle(message.hwnd);
  return window != nullptr && window->FilterKey(message);
}

bool Win32DialogWindow::FilterKey(const MSG& message) {
  KeyMessage key;
  key.kind = static_cast<KeyMessageKind>(message.message);
  key.code = static_cast<unsigned>(message.wParam);
  if (m_dialog.DispatchKey(key)) {
    return true;
  }
  // The help key that got through (its WM_KEYF1 is dropped, so no second
  // request comes as WM_HELP).
  if (message.message == WM_KEYDOWN && message.wParam == VK_F1 && IsWindowEnabled(m_hwnd)) {
    m_dialog.DispatchHelp();
    return true;
  }
  return false;
}

void Win32DialogWindow::PlaceWindow() {
  if (!HasFlag(m_template.style, DialogStyle::kCenter) || m_owner == nullptr) {
    return;  // the system centred a window without an owner on its screen
  }
  // Centred over the owner, within the owner's screen.
  RECT owner_rect;
  RECT rect;
  GetWindowRect(m_owner->Handle(), &owner_rect);
  GetWindowRect(m_hwnd, &rect);
  const LONG width = rect.right - rect.left;
  const LONG height = rect.bottom - rect.top;
  LONG x = (owner_rect.left + owner_rect.right - width) / 2;
  LONG y = (owner_rect.top + owner_rect.bottom - height) / 2;
  MONITORINFO monitor{};
  monitor.cbSize = sizeof(monitor);
  if (GetMonitorInfoA(MonitorFromWindow(m_owner->Handle(), MONITOR_DEFAULTTONEAREST), &monitor)) {
    const RECT& area = monitor.rcWork;
    x = std::max(area.left, std::min(x, area.right - width));
    y = std::max(area.top, std::min(y, area.bottom - height));
  }
  SetWindowPos(m_hwnd, nullptr, x, y, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
}

int Win32DialogWindow::IconSize(int metric) const {
  const int size = GetSystemMetrics(metric);
  if (m_dpi == 0) {
    return size;  // the system's DPI, which the metrics follow
  }
  HDC screen = GetDC(nullptr);
  const int system_dpi = GetDeviceCaps(screen, LOGPIXELSY);
  ReleaseDC(nullptr, screen);
  return system_dpi > 0 ? MulDiv(size, static_cast<int>(m_dpi), system_dpi) : size;
}

void Win32DialogWindow::OnDpiChanged(unsigned dpi) {
  m_dpi = dpi;
  // The icons were made for the old DPI; the frames' pictures are made
  // again at their next paint, at their new size.
  if (m_window_icon != 0) SetIcon(m_window_icon);
  const std::map<int, int> shown = m_control_icons;
  for (const auto& [control_id, icon_id] : shown) SetControlIcon(control_id, icon_id);
}

void Win32DialogWindow::RunModalLoop() {
  HWND owner = m_owner != nullptr ? m_owner->Handle() : nullptr;
  // As the system's modal dialog boxes: the owner takes no input meanwhile.
  const bool disabled_owner = owner != nullptr && IsWindowEnabled(owner);
  if (disabled_owner) EnableWindow(owner, FALSE);
  PlaceWindow();
  ShowWindow(m_hwnd, SW_SHOWNORMAL);
  m_shown = true;
  ApplyFocus(m_pending_focus);
  m_loop_running = true;
  MSG message;
  while (!m_end_requested) {
    const BOOL got = GetMessageA(&message, nullptr, 0, 0);
    if (got == -1) {
      break;
    }
    if (got == 0) {
      PostQuitMessage(static_cast<int>(message.wParam));  // for the loops outside this one
      break;
    }
    DeliverMessage(message);
  }
  m_loop_running = false;
  // The owner first, so that the activation goes back to it.
  if (disabled_owner) EnableWindow(owner, TRUE);
  ShowWindow(m_hwnd, SW_HIDE);
  m_shown = false;
}

void Win32DialogWindow::DeliverMessage(MSG& message) {
  if (PreTranslateMessage(message)) {
    return;
  }
  Win32DialogWindow* target = FromHandle(message.hwnd);
  if (target == nullptr || !IsDialogMessageA(target->m_hwnd, &message)) {
    TranslateMessage(&message);
    DispatchMessageA(&message);
  }
}

void Win32DialogWindow::EndModalLoop() {
  m_end_requested = true;
  if (m_hwnd != nullptr) PostMessageA(m_hwnd, WM_NULL, 0, 0);  // wakes the loop
}

void Win32DialogWindow::SetTitle(std::string_view text) {
  SetWindowTextA(m_hwnd, std::string(text).c_str());
}

std::string Win32DialogWindow::GetTitle() const {
  return WindowText(m_hwnd);
}

void Win32DialogWindow::SetIcon(int icon_id) {
  m_window_icon = icon_id;
  HICON large = m_icons.Get(icon_id, IconSize(SM_CXICON));
  HICON small = m_icons.Get(icon_id, IconSize(SM_CXSMICON));
  SendMessageA(m_hwnd, WM_SETICON, ICON_BIG, reinterpret_cast<LPARAM>(large));
  SendMessageA(m_hwnd, WM_SETICON, ICON_SMALL, reinterpret_cast<LPARAM>(small));
}

bool Win32DialogWindow::IsEnabled() const {
  return IsWindowEnabled(m_hwnd) != FALSE;
}

void Win32DialogWindow::Invalidate() {
  RedrawWindow(m_hwnd, nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_ALLCHILDREN);
}

void Win32DialogWindow::SetControlText(int control_id, std::string_view text) {
  if (HWND control = ControlHandle(control_id)) {
    SetWindowTextA(control, std::string(text).c_str());
  }
}

std::string Win32DialogWindow::GetControlText(int control_id) const {
  // A drop-down list's text is its selected item's.
  return WindowText(ControlHandle(control_id));
}

void Win32DialogWindow::SetControlVisible(int control_id, bool visible) {
  if (HWND control = ControlHandle(control_id)) {
    ShowWindow(control, visible ? SW_SHOWNA : SW_HIDE);
  }
}

bool Win32DialogWindow::IsControlVisible(int control_id) const {
  // Visible to the window, whether or not the window is shown yet.
  HWND control = ControlHandle(control_id);
  return control != nullptr && (GetWindowLongPtrA(control, GWL_STYLE) & WS_VISIBLE) != 0;
}

void Win32DialogWindow::SetControlEnabled(int control_id, bool enabled) {
  HWND control = ControlHandle(control_id);
  if (control == nullptr) {
    return;
  }
  if (!enabled && ::GetFocus() == control) {
    // A disabled control would keep the keyboard and do nothing with it.
    SendMessageA(m_hwnd, WM_NEXTDLGCTL, 0, FALSE);
  }
  EnableWindow(control, enabled ? TRUE : FALSE);
}

bool Win32DialogWindow::IsControlEnabled(int control_id) const {
  HWND control = ControlHandle(control_id);
  return control != nullptr && (GetWindowLongPtrA(control, GWL_STYLE) & WS_DISABLED) == 0;
}

void Win32DialogWindow::SetControlIcon(int control_id, int icon_id) {
  const ControlTemplate* control = Find(control_id);
  HWND handle = ControlHandle(control_id);
  if (control != nullptr && handle != nullptr && control->kind == ControlKind::kIcon) {
    m_control_icons[control_id] = icon_id;
    HICON icon = m_icons.Get(icon_id, IconSize(SM_CXICON));
    SendMessageA(handle, STM_SETICON, reinterpret_cast<WPARAM>(icon), 0);
  }
}

void Win32DialogWindow::SetFocus(int control_id) {
  if (!m_shown) {
    m_pending_focus = control_id;  // where the window starts once shown
    return;
  }
  if (GetActiveWindow() != m_hwnd && !IsWindowEnabled(m_hwnd)) {
    // Another window of the program is above this one: the focus moves
    // when this one is active again.
    m_pending_focus = control_id;
    m_focus_on_activation = control_id != kWindowId;
    return;
  }
  ApplyFocus(control_id);
}

void Win32DialogWindow::ApplyFocus(int control_id) {
  if (control_id == kWindowId) {
    // Taking the focus away closes any open list.
    for (const ControlTemplate& control : m_template.controls) {
      if (control.kind == ControlKind::kDropDownList) {
        SendMessageA(ControlHandle(control.id), CB_SHOWDROPDOWN, FALSE, 0);
      }
    }
    ::SetFocus(m_hwnd);
    return;
  }
  // Through the dialog manager, so that a focused push button becomes the
  // one that Enter presses, as with Tab.
  if (HWND control = ControlHandle(control_id)) {
    SendMessageA(m_hwnd, WM_NEXTDLGCTL, reinterpret_cast<WPARAM>(control), TRUE);
  }
}

int Win32DialogWindow::GetFocus() const {
  HWND focus = ::GetFocus();
  if (focus != nullptr && IsChild(m_hwnd, focus)) {
    return ControlIdOf(focus);
  }
  if (focus == m_hwnd || (m_shown && GetActiveWindow() == m_hwnd)) {
    return kWindowId;
  }
  // Not shown yet, or another window is active: where the focus will be.
  return m_pending_focus;
}

void Win32DialogWindow::ResetList(int control_id) {
  if (HWND list = ControlHandle(control_id)) {
    SendMessageA(list, CB_RESETCONTENT, 0, 0);
  }
}

int Win32DialogWindow::AddListItem(int control_id, std::string_view text, std::intptr_t data) {
  HWND list = ControlHandle(control_id);
  if (list == nullptr) {
    return -1;
  }
  const std::string item(text);
  const LRESULT index = SendMessageA(list, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(item.c_str()));
  if (index < 0) {
    return -1;  // CB_ERR, CB_ERRSPACE
  }
  SendMessageA(list, CB_SETITEMDATA, static_cast<WPARAM>(index), static_cast<LPARAM>(data));
  return static_cast<int>(index);
}

int Win32DialogWindow::GetListCount(int control_id) const {
  HWND list = ControlHandle(control_id);
  const LRESULT count = list != nullptr ? SendMessageA(list, CB_GETCOUNT, 0, 0) : 0;
  return count > 0 ? static_cast<int>(count) : 0;
}

std::string Win32DialogWindow::GetListItemText(int control_id, int index) const {
  HWND list = ControlHandle(control_id);
  if (list == nullptr || index < 0 || index >= GetListCount(control_id)) {
    return {};
  }
  const LRESULT length = SendMessageA(list, CB_GETLBTEXTLEN, static_cast<WPARAM>(index), 0);
  if (length < 0) {
    return {};
  }
  std::string text(static_cast<std::size_t>(length) + 1, '\0');
  const LRESULT copied = SendMessageA(list, CB_GETLBTEXT, static_cast<WPARAM>(index),
                                      reinterpret_cast<LPARAM>(text.data()));
  text.resize(copied > 0 ? static_cast<std::size_t>(copied) : 0);
  return text;
}

std::intptr_t Win32DialogWindow::GetListItemData(int control_id, int index) const {
  HWND list = ControlHandle(control_id);
  // Checked first: CB_ERR is also a valid item data.
  if (list == nullptr || index < 0 || index >= GetListCount(control_id)) {
    return 0;
  }
  return static_cast<std::intptr_t>(
      SendMessageA(list, CB_GETITEMDATA, static_cast<WPARAM>(index), 0));
}

void Win32DialogWindow::SetListSelection(int control_id, int index) {
  if (HWND list = ControlHandle(control_id)) {
    SendMessageA(list, CB_SETCURSEL, static_cast<WPARAM>(index), 0);
  }
}

int Win32DialogWindow::GetListSelection(int control_id) const {
  HWND list = ControlHandle(control_id);
  return list != nullptr ? static_cast<int>(SendMessageA(list, CB_GETCURSEL, 0, 0)) : -1;
}

void Win32DialogWindow::SetTimer(unsigned timer_id, unsigned period_ms) {
  ::SetTimer(m_hwnd, timer_id, std::min(period_ms, 0x7FFFFFFFu), nullptr);
}

void Win32DialogWindow::KillTimer(unsigned timer_id) {
  ::KillTimer(m_hwnd, timer_id);
}

HWND Win32DialogWindow::ControlHandle(int control_id) const {
  if (control_id == kStaticId || m_hwnd == nullptr || Find(control_id) == nullptr) {
    return nullptr;
  }
  return GetDlgItem(m_hwnd, control_id);
}

const ControlTemplate* Win32DialogWindow::Find(int control_id) const {
  return control_id == kStaticId ? nullptr : m_template.FindControl(control_id);
}

int Win32DialogWindow::ControlIdOf(HWND hwnd) const {
  // A control's own child windows (a list's parts) count as the control.
  while (hwnd != nullptr && GetParent(hwnd) != m_hwnd) {
    hwnd = GetParent(hwnd);
  }
  if (hwnd == nullptr) {
    return kWindowId;
  }
  const int id = GetDlgCtrlID(hwnd);
  return Find(id) != nullptr ? id : kWindowId;
}

Win32DialogWindow* Win32DialogWindow::FromHandle(HWND hwnd) {
  // By parents, not owners: a message box over a dialog is not part of it.
  HWND root = hwnd != nullptr ? GetAncestor(hwnd, GA_ROOT) : nullptr;
  for (Win32DialogWindow* window : LiveWin32Windows::All()) {
    if (root != nullptr && window->m_hwnd == root) return window;
  }
  return nullptr;
}

Win32DialogWindow* Win32DialogWindow::Innermost() {
  return LiveWin32Windows::Innermost([](const Win32DialogWindow* w) { return w->m_loop_running; });
}

void Win32DialogWindow::BringForward(HWND hwnd) {
  if (IsIconic(hwnd)) ShowWindow(hwnd, SW_RESTORE);
  SetForegroundWindow(GetLastActivePopup(hwnd));
}

}  // namespace ui::win32
