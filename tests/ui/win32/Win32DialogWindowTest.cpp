#include "ui/win32/Win32DialogWindow.h"

#include <utility>

#include "Win32TestSupport.h"
#include "platform/MessageBox.h"
#include "platform/OwnerWindow.h"

namespace {

using namespace win32test;
using ui::Notification;
using Win32DialogWindowTest = BackendTest;

LONG_PTR Style(HWND hwnd) {
  return GetWindowLongPtrA(hwnd, GWL_STYLE);
}

// The handle a window gives the platform (what a gamepad is tied to).
HWND GivenHandle(const HookedDialog& dialog) {
  const platform::OwnerWindow* window = dialog.GetWindow();
  return static_cast<HWND>(window->NativeHandle());
}

// A template becomes a real dialog box, its client area the template's size
// in the system's own dialog units, each control kind with its styles.
// (Places, texts and states are the conformance test's; each kind's system
// class is the DPI test's, which measures every control by it and draws the
// frame and icons.)
TEST_F(Win32DialogWindowTest, TemplateBecomesSystemDialog) {
  HookedDialog dialog;
  dialog.on_init = [&](HookedDialog& d) {
    HWND window = HandleOf(d);
    RECT client, units{0, 0, 200, 120};
    GetClientRect(window, &client);
    MapDialogRect(window, &units);
    EXPECT_EQ(std::pair(client.right, client.bottom), std::pair(units.right, units.bottom));
    EXPECT_FALSE(IsWindowVisible(window));  // shown by the loop, once filled
    EXPECT_NE(Style(window) & WS_CAPTION, 0);
    EXPECT_NE(Style(window) & WS_SYSMENU, 0);
    EXPECT_EQ(Style(window) & WS_THICKFRAME, 0);
    EXPECT_EQ(Style(ControlOf(d, kSampleButton)) & BS_TYPEMASK, BS_PUSHBUTTON);
    EXPECT_NE(Style(ControlOf(d, kSampleButton)) & WS_TABSTOP, 0);
    EXPECT_NE(Style(ControlOf(d, kSampleLabel)) & WS_GROUP, 0);
    EXPECT_EQ(Style(ControlOf(d, kSampleFrame)) & SS_TYPEMASK, SS_BLACKFRAME);
    EXPECT_NE(Style(ControlOf(d, kSampleSunken)) & SS_SUNKEN, 0);
    EXPECT_NE(Style(ControlOf(d, kSampleCentred)) & SS_CENTERIMAGE, 0);
    const LONG_PTR edit = Style(ControlOf(d, kSampleScrollEdit));
    EXPECT_NE(edit & ES_MULTILINE, 0);
    EXPECT_NE(edit & ES_READONLY, 0);
    EXPECT_NE(edit & WS_VSCROLL, 0);
    EXPECT_NE(GetWindowLongPtrA(ControlOf(d, kSampleScrollEdit), GWL_EXSTYLE) & WS_EX_CLIENTEDGE,
              0);
    EXPECT_EQ(Style(ControlOf(d, kSampleEdit)) & WS_VSCROLL, 0);
    // A thin border becomes the sunken edge of three-dimensional dialogs.
    EXPECT_NE((Style(ControlOf(d, kSampleEdit)) & WS_BORDER) |
                  (GetWindowLongPtrA(ControlOf(d, kSampleEdit), GWL_EXSTYLE) & WS_EX_CLIENTEDGE),
              0);
    EXPECT_EQ(Style(ControlOf(d, kSampleList)) & 3, CBS_DROPDOWNLIST);
    EXPECT_EQ(ControlOf(d, 12345), nullptr);
    d.EndDialog(platform::kIdOk);
  };
  EXPECT_EQ(dialog.DoModal(), platform::kIdOk);
}

// A later start of the program finds the main window by its title and
// posts it the focus message: the window comes forward, or the window it
// shows above itself does, and the message does nothing else. Each window
// gives the platform its own handle, also while another is in front of it.
TEST_F(Win32DialogWindowTest, FocusRequestBringsWindowForward) {
  HookedDialog parent;
  HWND foreground_alone = nullptr, foreground_with_child = nullptr;
  HWND parent_handle = nullptr, child_handle = nullptr, parent_given = nullptr,
       child_given = nullptr;
  HWND other = CreateWindowExA(0, "STATIC", "Another program", WS_OVERLAPPEDWINDOW, 0, 0, 200, 100,
                               nullptr, nullptr, GetModuleHandleA(nullptr), nullptr);
  ASSERT_NE(other, nullptr);
  auto request_focus = [&](HWND target) {
    ShowWindow(other, SW_SHOWNORMAL);
    SetForegroundWindow(other);
    Pump();
    PostMessageA(target, WM_SETFOCUS, 0, 0);
    Pump();
    return GetForegroundWindow();
  };
  parent.MapCommand(kSampleButton, Notification::kClicked, [&] {
    HookedDialog child(kPromptTemplate);
    child.on_open = [&](HookedDialog& c) {
      child_handle = HandleOf(c);
      parent_given = GivenHandle(parent);
      child_given = GivenHandle(c);
      foreground_with_child = request_focus(HandleOf(parent));
      c.EndDialog(1);
    };
    child.DoModal();
  });
  parent.on_open = [&](HookedDialog& d) {
    parent_handle = HandleOf(d);
    foreground_alone = request_focus(HandleOf(d));
    EXPECT_EQ(d.GetFocus(), kSampleList);  // where it was
    Click(ControlOf(d, kSampleButton));
    d.EndDialog(1);
  };
  parent.DoModal();
  DestroyWindow(other);
  EXPECT_EQ(foreground_alone, parent_handle);
  EXPECT_NE(foreground_with_child, other);
  EXPECT_EQ(foreground_with_child, child_handle);
  EXPECT_NE(parent_handle, child_handle);
  EXPECT_EQ(parent_given, parent_handle);
  EXPECT_EQ(child_given, child_handle);
}

}  // namespace
