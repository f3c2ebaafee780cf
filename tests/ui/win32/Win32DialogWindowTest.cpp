#include "ui/win32/Win32DialogWindow.h"

#include <string>

#include "Win32TestSupport.h"
#include "platform/KeyboardState.h"
#include "platform/MessageBox.h"
#include "platform/OwnerWindow.h"

namespace {

using namespace win32test;
using ui::Notification;
using Win32DialogWindowTest = BackendTest;

LONG_PTR Style(HWND hwnd) {
  return GetWindowLongPtrA(hwnd, GWL_STYLE);
}

// The control's place in the dialog's client area.
RECT ClientRectOf(HWND dialog, HWND control) {
  RECT rect;
  GetWindowRect(control, &rect);
  MapWindowPoints(nullptr, dialog, reinterpret_cast<POINT*>(&rect), 2);
  return rect;
}

RECT DialogUnits(HWND dialog, int x, int y, int width, int height) {
  RECT rect{x, y, x + width, y + height};
  MapDialogRect(dialog, &rect);
  return rect;
}

bool SameRect(const RECT& a, const RECT& b) {
  return a.left == b.left && a.top == b.top && a.right == b.right && a.bottom == b.bottom;
}

// The handle a window gives the platform (what a gamepad is tied to).
HWND GivenHandle(const TestDialog& dialog) {
  const platform::OwnerWindow* window = dialog.GetWindow();
  return static_cast<HWND>(window->NativeHandle());
}

// A template becomes a real dialog box: each control kind with its styles,
// at the place the system's own dialog units give it, in its template state;
// the window's client area is the template's size. (Each kind's system class
// is the DPI test's, which measures every control by it and draws the frame
// and icons; the default button is the conformance test's Return.)
TEST_F(Win32DialogWindowTest, TemplateBecomesSystemDialog) {
  TestDialog dialog;
  dialog.on_init = [&](TestDialog& d) {
    HWND window = d.Handle();
    RECT client;
    GetClientRect(window, &client);
    EXPECT_TRUE(SameRect(client, DialogUnits(window, 0, 0, 200, 120)));
    EXPECT_FALSE(IsWindowVisible(window));  // shown by the loop, once filled
    EXPECT_EQ(d.GetWindowText(), "Sample");
    EXPECT_NE(Style(window) & WS_CAPTION, 0);
    EXPECT_NE(Style(window) & WS_SYSMENU, 0);
    EXPECT_EQ(Style(window) & WS_THICKFRAME, 0);
    EXPECT_TRUE(SameRect(ClientRectOf(window, d.Control(kSampleButton)),
                         DialogUnits(window, 145, 5, 50, 14)));
    EXPECT_TRUE(SameRect(ClientRectOf(window, d.Control(kSampleFrame)),
                         DialogUnits(window, 5, 70, 40, 45)));
    EXPECT_EQ(Style(d.Control(kSampleButton)) & BS_TYPEMASK, BS_PUSHBUTTON);
    EXPECT_NE(Style(d.Control(kSampleButton)) & WS_TABSTOP, 0);
    EXPECT_NE(Style(d.Control(kSampleLabel)) & WS_GROUP, 0);
    EXPECT_EQ(Style(d.Control(kSampleFrame)) & SS_TYPEMASK, SS_BLACKFRAME);
    EXPECT_NE(Style(d.Control(kSampleSunken)) & SS_SUNKEN, 0);
    EXPECT_NE(Style(d.Control(kSampleCentred)) & SS_CENTERIMAGE, 0);
    // Texts as given: "&&" is the window's business.
    EXPECT_EQ(d.GetControlText(kSampleLabel), "A && B");
    EXPECT_EQ(d.GetControlText(kSampleScrollEdit), "Line one\r\nLine two");
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
    // Template states.
    EXPECT_FALSE(d.IsControlVisible(kSampleCentred));
    EXPECT_TRUE(d.IsControlVisible(kSampleLabel));
    EXPECT_FALSE(d.IsControlEnabled(kSampleEdit));
    d.ShowControl(kSampleCentred);
    d.EnableControl(kSampleEdit);
    EXPECT_TRUE(d.IsControlVisible(kSampleCentred));
    EXPECT_TRUE(d.IsControlEnabled(kSampleEdit));
    EXPECT_EQ(d.Control(12345), nullptr);
    EXPECT_EQ(d.GetControlText(12345), "");
    d.EndDialog(platform::kIdOk);
  };
  EXPECT_EQ(dialog.DoModal(), platform::kIdOk);
}

// The key filter sees every key message of its window first, and what it
// swallows does nothing (no Enter, Escape, help or typing); the keyboard
// state is the system's, updated whether or not the filter swallowed.
TEST_F(Win32DialogWindowTest, KeyFilterSwallowsAndKeyboardStateFollows) {
  TestDialog dialog;
  std::vector<std::pair<ui::KeyMessageKind, unsigned>> seen;
  int clicks = 0, help = 0;
  bool held_while_down = false, held_after_up = true;
  dialog.MapCommand(kSampleDefault, Notification::kClicked, [&] { ++clicks; });
  dialog.on_help = [&] { ++help; };
  dialog.key_filter = [&](const ui::KeyMessage& message) {
    seen.emplace_back(message.kind, message.code);
    return true;
  };
  dialog.on_open = [&](TestDialog& d) {
    const auto a_down = [] {
      return (platform::GetKeyboardState().Read()['A'] & platform::kKeyDownBit) != 0;
    };
    // The keys of the system's state go to the foreground window. Under a
    // newly started Wine the display's own key map can overwrite the state
    // once, as the window first takes the focus: a press that went unseen by
    // the state is made again, three times at most.
    SetForegroundWindow(d.Handle());
    PumpUntil([&] { return GetForegroundWindow() == d.Handle(); });
    for (int attempt = 0; attempt < 3 && !held_while_down; ++attempt) {
      const std::size_t before = seen.size();
      SendKey('A', true);
      PumpUntil([&] { return seen.size() > before && a_down(); });
      held_while_down = a_down();
      SendKey('A', false);
      PumpUntil([&] { return seen.size() > before + 1 && !a_down(); });
      held_after_up = a_down();
    }
    for (WORD key : {VK_RETURN, VK_ESCAPE, VK_F1}) TapKey(key);
    PumpUntil([&] {
      return !seen.empty() && seen.back() == std::pair(ui::KeyMessageKind::kKeyUp, 0x70u);
    });
    d.EndDialog(42);
  };
  EXPECT_EQ(dialog.DoModal(), 42);
  EXPECT_TRUE(held_while_down);
  EXPECT_FALSE(held_after_up);
  EXPECT_EQ(clicks, 0);
  EXPECT_EQ(help, 0);
  EXPECT_EQ(dialog.cancel_count, 0);
  using K = ui::KeyMessageKind;
  // One press of A for each attempt, then the three keys.
  std::vector<std::pair<K, unsigned>> expected;
  while (expected.size() + 6 < seen.size()) {
    expected.insert(expected.end(), {{K::kKeyDown, 'A'}, {K::kKeyUp, 'A'}});
  }
  for (unsigned key : {VK_RETURN, VK_ESCAPE, VK_F1}) {
    expected.insert(expected.end(), {{K::kKeyDown, key}, {K::kKeyUp, key}});
  }
  EXPECT_LE(expected.size(), 12u);
  EXPECT_EQ(seen, expected);

  // Let through, a key becomes its character for the filter too.
  TestDialog typing;
  std::vector<std::pair<K, unsigned>> typed;
  typing.key_filter = [&](const ui::KeyMessage& message) {
    typed.emplace_back(message.kind, message.code);
    return false;
  };
  typing.on_open = [&](TestDialog& d) {
    TapKey('B');
    d.EndDialog(1);
  };
  typing.DoModal();
  EXPECT_EQ(typed, (std::vector<std::pair<K, unsigned>>{
                       {K::kKeyDown, 'B'}, {K::kChar, 'b'}, {K::kKeyUp, 'B'}}));
}

// Message boxes are the system's, owned by the dialog that asks (or by the
// innermost running one), which takes no input while the box is up; the
// answer is the button's id.
TEST_F(Win32DialogWindowTest, MessageBoxesAreOwnedAndAnswered) {
  TestDialog dialog;
  int answer = 0, unowned_answer = 0;
  bool owner_enabled = true;
  HWND box_owner = nullptr, unowned_box_owner = nullptr;
  dialog.on_open = [&](TestDialog& d) {
    WhenLoopRuns(
        [&] {
          HWND box = FindWindowA("#32770", "Question");
          ASSERT_NE(box, nullptr);
          box_owner = GetWindow(box, GW_OWNER);
          owner_enabled = IsWindowEnabled(d.Handle()) != FALSE;
          PostMessageA(box, WM_COMMAND, IDNO, 0);
        },
        100);
    answer = d.MessageBox("Reset everything?", "Question",
                          platform::kMbYesNo | platform::kMbIconExclamation);
    WhenLoopRuns(
        [&] {
          HWND box = FindWindowA("#32770", "Note");
          ASSERT_NE(box, nullptr);
          unowned_box_owner = GetWindow(box, GW_OWNER);
          PostMessageA(box, WM_COMMAND, IDOK, 0);
        },
        100);
    unowned_answer = platform::GetMessageBox().Show(nullptr, "Saved", "Note", platform::kMbOk);
    d.EndDialog(1);
  };
  dialog.DoModal();
  EXPECT_EQ(answer, platform::kIdNo);
  EXPECT_EQ(unowned_answer, platform::kIdOk);
  EXPECT_FALSE(owner_enabled);
  EXPECT_NE(box_owner, nullptr);
  EXPECT_EQ(box_owner, unowned_box_owner);
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
