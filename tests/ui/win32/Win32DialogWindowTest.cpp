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
HWND GivenHandle(const TestDialog& dialog) {
  const platform::OwnerWindow* window = dialog.GetWindow();
  return static_cast<HWND>(window->NativeHandle());
}

// A template becomes a real dialog box, its client area the template's size
// in the system's own dialog units, each control kind with its styles.
// (Places, texts and states are the conformance test's; each kind's system
// class is the DPI test's, which measures every control by it and draws the
// frame and icons.)
TEST_F(Win32DialogWindowTest, TemplateBecomesSystemDialog) {
  TestDialog dialog;
  dialog.on_init = [&](TestDialog& d) {
    HWND window = d.Handle();
    RECT client, units{0, 0, 200, 120};
    GetClientRect(window, &client);
    MapDialogRect(window, &units);
    EXPECT_EQ(std::pair(client.right, client.bottom), std::pair(units.right, units.bottom));
    EXPECT_FALSE(IsWindowVisible(window));  // shown by the loop, once filled
    EXPECT_NE(Style(window) & WS_CAPTION, 0);
    EXPECT_NE(Style(window) & WS_SYSMENU, 0);
    EXPECT_EQ(Style(window) & WS_THICKFRAME, 0);
    EXPECT_EQ(Style(d.Control(kSampleButton)) & BS_TYPEMASK, BS_PUSHBUTTON);
    EXPECT_NE(Style(d.Control(kSampleButton)) & WS_TABSTOP, 0);
    EXPECT_NE(Style(d.Control(kSampleLabel)) & WS_GROUP, 0);
    EXPECT_EQ(Style(d.Control(kSampleFrame)) & SS_TYPEMASK, SS_BLACKFRAME);
    EXPECT_NE(Style(d.Control(kSampleSunken)) & SS_SUNKEN, 0);
    EXPECT_NE(Style(d.Control(kSampleCentred)) & SS_CENTERIMAGE, 0);
    const LONG_PTR edit = Style(d.Control(kSampleScrollEdit));
    EXPECT_NE(edit & ES_MULTILINE, 0);
    EXPECT_NE(edit & ES_READONLY, 0);
    EXPECT_NE(edit & WS_VSCROLL, 0);
    EXPECT_NE(GetWindowLongPtrA(d.Control(kSampleScrollEdit), GWL_EXSTYLE) & WS_EX_CLIENTEDGE, 0);
    EXPECT_EQ(Style(d.Control(kSampleEdit)) & WS_VSCROLL, 0);
    // A thin border becomes the sunken edge of three-dimensional dialogs.
    EXPECT_NE((Style(d.Control(kSampleEdit)) & WS_BORDER) |
                  (GetWindowLongPtrA(d.Control(kSampleEdit), GWL_EXSTYLE) & WS_EX_CLIENTEDGE),
              0);
    EXPECT_EQ(Style(d.Control(kSampleList)) & 3, CBS_DROPDOWNLIST);
    EXPECT_EQ(d.Control(12345), nullptr);
    d.EndDialog(platform::kIdOk);
  };
  EXPECT_EQ(dialog.DoModal(), platform::kIdOk);
}

// A later start of the program finds the main window by its title and
// posts it the focus message: the window comes forward, or the window it
// shows above itself does, and the message does nothing else. Each window
// gives the platform its own handle, also while another is in front of it.
TEST_F(Win32DialogWindowTest, FocusRequestBringsWindowForward) {
  TestDialog parent;
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
    TestDialog child(kPromptTemplate);
    child.on_open = [&](TestDialog& c) {
      child_handle = c.Handle();
      parent_given = GivenHandle(parent);
      child_given = GivenHandle(c);
      foreground_with_child = request_focus(parent.Handle());
      c.EndDialog(1);
    };
    child.DoModal();
  });
  parent.on_open = [&](TestDialog& d) {
    parent_handle = d.Handle();
    foreground_alone = request_focus(d.Handle());
    EXPECT_EQ(d.GetFocus(), kSampleList);  // where it was
    Click(d.Control(kSampleButton));
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
