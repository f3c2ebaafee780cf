// What every dialog backend must do, run against the real ones: this file is
// built into the Qt backend's tests (offscreen) and the Win32 backend's
// (under Wine), each of which supplies the driver.

#include <gtest/gtest.h>

#include <cstdlib>
#include <memory>
#include <utility>
#include <vector>

#include "platform/KeyboardState.h"
#include "platform/MessageBox.h"
#include "support/DialogDriver.h"
#include "support/HookedDialog.h"
#include "support/SampleResources.h"
#include "ui/DialogWindow.h"

namespace {

using test::KeyAction;
using test::UserKey;
using ui::Notification;
using namespace test;  // the sample's ids

using DialogConformance = SampleDialogTest;

// A template becomes a window with each control at its place in dialog
// units (its share of the client area, within a pixel or two; a list is as
// high as it is closed, an icon as its picture) and in its template state;
// texts are kept as given ("&&" is the window's business), and an unknown
// control has none.
TEST_F(DialogConformance, TemplateBecomesWindow) {
  DialogDriver& user = *m_driver;
  HookedDialog dialog;
  const ui::DialogTemplate sample = SampleTemplate();
  dialog.on_init = [&](HookedDialog& d) {
    const PixelRect client = user.PlaceOf(d, ui::kWindowId);
    const auto at_share = [](int pixels, int units, int client_pixels, int client_units) {
      return std::abs(pixels * client_units - units * client_pixels) <= 2 * client_units;
    };
    for (const ui::ControlTemplate& c : sample.controls) {
      if (c.id == ui::kStaticId) continue;
      const PixelRect place = user.PlaceOf(d, c.id);
      const bool sized = c.kind != ui::ControlKind::kIcon;
      EXPECT_TRUE(at_share(place.x, c.x, client.width, sample.width)) << c.id;
      EXPECT_TRUE(at_share(place.y, c.y, client.height, sample.height)) << c.id;
      EXPECT_TRUE(!sized || at_share(place.width, c.width, client.width, sample.width)) << c.id;
      EXPECT_TRUE(!sized || c.kind == ui::ControlKind::kDropDownList ||
                  at_share(place.height, c.height, client.height, sample.height))
          << c.id;
    }
    EXPECT_EQ(d.GetWindowText(), "Sample");
    EXPECT_EQ(d.GetControlText(kSampleLabel), "A && B");
    EXPECT_EQ(d.GetControlText(kSampleScrollEdit), "Line one\r\nLine two");
    EXPECT_EQ(d.GetControlText(12345), "");
    EXPECT_FALSE(d.IsControlVisible(kSampleCentred));
    EXPECT_TRUE(d.IsControlVisible(kSampleLabel));
    EXPECT_FALSE(d.IsControlEnabled(kSampleEdit));
    d.ShowControl(kSampleCentred);
    d.EnableControl(kSampleEdit);
    EXPECT_TRUE(d.IsControlVisible(kSampleCentred));
    EXPECT_TRUE(d.IsControlEnabled(kSampleEdit));
    d.EndDialog(platform::kIdOk);
  };
  EXPECT_EQ(dialog.DoModal(), platform::kIdOk);
}

// Clicks and keys reach their handlers: a click (by range), Return to the
// default button unless a button has the focus (a read-only edit leaves it
// to the window; a disabled default button swallows it), Escape to Cancel,
// F1 to help; the first tab-stop control has the focus at opening; a button
// disabled from code takes no click. The close box asks the dialog to
// cancel, and one that refuses stays open.
TEST_F(DialogConformance, ClicksAndKeys) {
  DialogDriver& user = *m_driver;
  HookedDialog dialog;
  std::vector<int> clicks;
  int help = 0, focus_at_open = -1;
  dialog.MapCommandRange(kSampleButton, kSampleDefault, Notification::kClicked,
                         [&clicks](int id) { clicks.push_back(id); });
  dialog.on_help = [&] { ++help; };
  dialog.on_init = [](HookedDialog& d) { d.DisableControl(kSampleOk); };
  dialog.on_open = [&](HookedDialog& d) {
    focus_at_open = d.GetFocus();
    user.Click(d, kSampleOk);  // disabled: the dialog stays open
    user.Click(d, kSampleButton);
    d.SetFocus(kSampleList);
    user.Press(d, UserKey::kReturn);  // the default button
    user.Press(d, UserKey::kF1);
    d.SetFocus(kSampleButton);
    EXPECT_EQ(d.GetFocus(), kSampleButton);
    user.Press(d, UserKey::kReturn);  // the focused button
    d.SetFocus(kSampleScrollEdit);
    user.Press(d, UserKey::kReturn);
    d.DisableControl(kSampleDefault);
    d.SetFocus(kSampleList);
    user.Press(d, UserKey::kReturn);
    EXPECT_TRUE(d.IsOpen());
    user.Press(d, UserKey::kEscape);
  };
  EXPECT_EQ(dialog.DoModal(), platform::kIdCancel);
  EXPECT_EQ(focus_at_open, kSampleList);
  EXPECT_EQ(clicks,
            (std::vector<int>{kSampleButton, kSampleDefault, kSampleButton, kSampleDefault}));
  EXPECT_EQ(help, 1);
  EXPECT_EQ(dialog.cancel_count, 1);

  HookedDialog refusing;
  int close_requests = 0;
  bool open_after_close = false;
  refusing.MapCommand(platform::kIdCancel, Notification::kClicked, [&] { ++close_requests; });
  refusing.on_open = [&](HookedDialog& d) {
    user.CloseBox(d);
    open_after_close = d.IsOpen() && d.GetWindow()->IsEnabled();
    d.EndDialog(42);
  };
  EXPECT_EQ(refusing.DoModal(), 42);
  EXPECT_EQ(close_requests, 1);
  EXPECT_TRUE(open_after_close);
}

// The key filter sees the key messages of its window first: what it
// swallows does nothing (no default button, cancel, help or character), and
// a key let through comes as down, character, up. The keyboard state follows
// every press and release either way.
TEST_F(DialogConformance, KeyFilterAndKeyboardState) {
  using K = ui::KeyMessageKind;
  DialogDriver& user = *m_driver;
  HookedDialog dialog;
  const unsigned swallowed[] = {'A', ui::kVkReturn, ui::kVkEscape, ui::kVkF1};
  std::vector<std::pair<K, unsigned>> seen;
  std::vector<unsigned> unfollowed;  // keys the state did not follow
  int clicks = 0, help = 0;
  bool swallow = true, open_after = false;
  dialog.MapCommand(kSampleDefault, Notification::kClicked, [&] { ++clicks; });
  dialog.on_help = [&] { ++help; };
  dialog.on_open = [&](HookedDialog& d) {
    const auto type = [&](unsigned key) {
      for (const KeyAction action : {KeyAction::kPress, KeyAction::kRelease}) {
        user.SendKey(d, key, action);
        const bool held = (platform::GetKeyboardState().Read()[key] & platform::kKeyDownBit) != 0;
        if (held != (action == KeyAction::kPress)) unfollowed.push_back(key);
      }
    };
    user.TakeKeyboard(d);
    d.key_filter = [&](const ui::KeyMessage& message) {
      seen.emplace_back(message.kind, message.code);
      return swallow;
    };
    for (const unsigned key : swallowed) type(key);
    swallow = false;
    type('B');
    open_after = d.IsOpen();
    d.EndDialog(42);
  };
  EXPECT_EQ(dialog.DoModal(), 42);
  EXPECT_EQ(unfollowed, std::vector<unsigned>{});
  EXPECT_TRUE(open_after);
  EXPECT_EQ(clicks, 0);
  EXPECT_EQ(help, 0);
  EXPECT_EQ(dialog.cancel_count, 0);
  std::vector<std::pair<K, unsigned>> expected;
  for (const unsigned key : swallowed) {
    expected.insert(expected.end(), {{K::kKeyDown, key}, {K::kKeyUp, key}});
  }
  expected.insert(expected.end(), {{K::kKeyDown, 'B'}, {K::kChar, 'b'}, {K::kKeyUp, 'B'}});
  EXPECT_EQ(seen, expected);
}

// Lists notify only for the user's own choices: selections from code send
// nothing (in a handler too), a keyboard choice sends "selection changed",
// and "about to drop down" comes before the list opens, in time to refill
// it; moving the focus to the window and back closes the open list.
TEST_F(DialogConformance, ListNotifiesOnlyUserChoices) {
  DialogDriver& user = *m_driver;
  HookedDialog dialog;
  std::vector<Notification> seen;
  bool open_when_notified = true;
  dialog.MapCommand(kSampleList, Notification::kSelectionChanged, [&] {
    seen.push_back(Notification::kSelectionChanged);
    EXPECT_EQ(dialog.GetListSelection(kSampleList), 2);
    dialog.SetListSelection(kSampleList, 0);
  });
  dialog.MapCommand(kSampleList, Notification::kDropDown, [&] {
    seen.push_back(Notification::kDropDown);
    open_when_notified = user.IsListOpen(dialog, kSampleList);
    dialog.ResetList(kSampleList);
    for (int i = 0; i < 5; ++i) dialog.AddListItem(kSampleList, "Refilled", 100 + i);
  });
  dialog.on_init = [&](HookedDialog& d) {
    for (const char* text : {"High", "Medium", "Low"}) d.AddListItem(kSampleList, text, -1);
    EXPECT_EQ(d.GetListSelection(kSampleList), -1);  // adding selects nothing
    d.SetListSelection(kSampleList, 1);
    EXPECT_EQ(d.GetControlText(kSampleList), "Medium");
    EXPECT_EQ(d.GetListItemText(kSampleList, 2), "Low");
    EXPECT_EQ(d.GetListItemData(kSampleList, 2), -1);
    EXPECT_EQ(d.GetListItemData(kSampleList, 3), 0);  // no such item
    EXPECT_EQ(d.GetListItemText(kSampleList, -1), "");
  };
  dialog.on_open = [&](HookedDialog& d) {
    d.SetFocus(kSampleList);
    user.Press(d, UserKey::kDown);
    EXPECT_EQ(d.GetListSelection(kSampleList), 0);  // as the handler left it
    user.Press(d, UserKey::kOpenList);
    EXPECT_TRUE(user.IsListOpen(d, kSampleList));
    EXPECT_EQ(d.GetListCount(kSampleList), 5);
    EXPECT_EQ(d.GetListItemData(kSampleList, 4), 104);
    d.MoveFocusToWindowAndBack();
    EXPECT_FALSE(user.IsListOpen(d, kSampleList));
    EXPECT_EQ(d.GetFocus(), kSampleList);
    d.EndDialog(platform::kIdOk);
  };
  EXPECT_EQ(dialog.DoModal(), platform::kIdOk);
  EXPECT_EQ(seen,
            (std::vector<Notification>{Notification::kSelectionChanged, Notification::kDropDown}));
  EXPECT_FALSE(open_when_notified);
}

// A child's modal loop runs inside a handler of its parent; the parent owns
// it (a window opened without a parent is owned by the innermost running
// one), is disabled meanwhile and takes input again afterwards, and the
// child takes the keys; a child ended while it initialises never runs.
// Timers fire by id in the loop that runs until killed, and end with their
// window: opened again, the child hears nothing of its first window's timers.
TEST_F(DialogConformance, NestedLoopsAndTimers) {
  DialogDriver& user = *m_driver;
  HookedDialog parent;
  HookedDialog child(kPromptTemplate);
  int parent_clicks = 0, child_result = 0, ended_early_result = 0, reopened_result = 0;
  int ticks_of_7 = 0, ticks_of_9 = 0, ticks_at_close = -1, ticks_reopened = -1, parent_ticks = 0;
  int parent_help = 0, child_help = 0;
  bool parent_enabled_during_child = true, owned = false, enabled_after = false;
  parent.on_timer = [&](unsigned) { ++parent_ticks; };
  parent.on_help = [&] { ++parent_help; };
  child.on_help = [&] { ++child_help; };
  parent.MapCommand(kSampleButton, Notification::kClicked, [&] {
    ++parent_clicks;
    child_result = child.DoModal();
    ticks_at_close = ticks_of_7 + ticks_of_9;
  });
  parent.MapCommand(kSampleDefault, Notification::kClicked, [&] {
    HookedDialog early(kPromptTemplate);
    early.on_init = [](HookedDialog& d) { d.EndDialog(42); };
    ended_early_result = early.DoModal();
    child.on_init = nullptr;
    child.on_open = [&](HookedDialog& c) {
      WhenLoopRuns(
          [&] {
            ticks_reopened = ticks_of_7 + ticks_of_9;
            c.EndDialog(platform::kIdOk);
          },
          100);
    };
    reopened_result = child.DoModal();
  });
  child.on_init = [](HookedDialog& c) {
    c.SetTimer(7, 10);
    c.SetTimer(9, 10);  // never killed
  };
  child.on_timer = [&](unsigned id) {
    if (id == 9) ++ticks_of_9;
    if (id != 7 || ++ticks_of_7 != 3) return;
    child.KillTimer(7);
    parent_enabled_during_child = parent.GetWindow()->IsEnabled();
    owned = user.IsOwnedBy(child, parent);
    user.Click(parent, kSampleButton);  // does not get through
    user.Press(parent, UserKey::kF1);   // goes to the child
    user.Click(child, platform::kIdCancel);
  };
  parent.on_open = [&](HookedDialog& d) {
    user.Click(d, kSampleButton);
    enabled_after = d.GetWindow()->IsEnabled();
    user.Click(d, kSampleDefault);
    d.EndDialog(platform::kIdCancel);
  };
  EXPECT_EQ(parent.DoModal(), platform::kIdCancel);
  EXPECT_EQ(parent_clicks, 1);
  EXPECT_FALSE(parent_enabled_during_child);
  EXPECT_TRUE(owned);
  EXPECT_TRUE(enabled_after);
  EXPECT_EQ(child_result, platform::kIdCancel);
  EXPECT_EQ(ended_early_result, 42);
  EXPECT_EQ(ticks_of_7, 3);
  EXPECT_GT(ticks_of_9, 0);
  EXPECT_EQ(reopened_result, platform::kIdOk);
  EXPECT_EQ(ticks_reopened, ticks_at_close);
  EXPECT_EQ(parent_ticks, 0);
  EXPECT_EQ(parent_help, 0);
  EXPECT_EQ(child_help, 1);
}

// Message boxes are owned by the dialog that asks, and one asked without an
// owner by the innermost running dialog; the owner takes no input while its
// box is up, and the answer is the id of the button pressed.
TEST_F(DialogConformance, MessageBoxesAreOwnedAndAnswered) {
  struct SeenBox {
    bool owned = false, owner_enabled = true;
  };
  DialogDriver& user = *m_driver;
  HookedDialog parent;
  HookedDialog child(kPromptTemplate);
  int answer = 0, unowned_answer = 0;
  SeenBox question, first_note, note;
  bool enabled_after = false;
  const auto answer_box = [&](const char* title, const Dialog& owner, SeenBox& seen, int button) {
    WhenLoopRuns(
        [&, title, button] {
          seen.owner_enabled = owner.GetWindow()->IsEnabled();
          seen.owned = user.AnswerBox(title, button, owner);
        },
        100);
  };
  parent.on_open = [&](HookedDialog& d) {
    answer_box("Question", d, question, platform::kIdNo);
    answer = d.MessageBox("Reset everything?", "Question",
                          platform::kMbYesNo | platform::kMbIconExclamation);
    enabled_after = d.GetWindow()->IsEnabled();
    answer_box("Note", d, first_note, platform::kIdOk);
    platform::GetMessageBox().Show(nullptr, "Saved", "Note", platform::kMbOk);
    child.DoModal();
    d.EndDialog(platform::kIdOk);
  };
  child.on_open = [&](HookedDialog& c) {
    answer_box("Note", c, note, platform::kIdOk);
    unowned_answer = platform::GetMessageBox().Show(nullptr, "Saved", "Note", platform::kMbOk);
    c.EndDialog(platform::kIdOk);
  };
  EXPECT_EQ(parent.DoModal(), platform::kIdOk);
  EXPECT_EQ(answer, platform::kIdNo);
  EXPECT_EQ(unowned_answer, platform::kIdOk);
  EXPECT_TRUE(question.owned);
  EXPECT_FALSE(question.owner_enabled);
  EXPECT_TRUE(enabled_after);
  EXPECT_TRUE(first_note.owned);
  EXPECT_FALSE(first_note.owner_enabled);
  EXPECT_TRUE(note.owned);
}

}  // namespace
