#include "ui/Dialog.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "platform/MessageBox.h"
#include "support/ScriptedBackend.h"
#include "ui/DataExchange.h"
#include "ui/DialogTemplate.h"
#include "ui/PaintContext.h"
#include "ui/ResourceSet.h"
#include "ui/StringTable.h"

namespace {

using platform::kIdCancel;
using platform::kIdNo;
using platform::kIdOk;
using platform::kIdYes;
using ui::ControlKind;
using ui::ControlStyle;
using ui::Notification;

constexpr int kParentId = 500, kChildId = 501;
constexpr int kName = 1000, kLevel = 1001, kOpenChild = 1002, kHiddenButton = 1003;
constexpr int kRangeFirst = 1010;  // to 1013

// A small resource set of its own, so the framework is tested apart from
// the program's resources.
class TestResources final : public ui::ResourceSet {
 public:
  TestResources() {
    const ControlStyle tab = ControlStyle::kTabStop;
    m_parent.id = kParentId;
    m_parent.controls = {
        {kName, ControlKind::kEdit, 5, 5, 80, 12, tab, "name placeholder"},
        {kLevel, ControlKind::kDropDownList, 5, 20, 80, 60, tab, ""},
        {kIdOk, ControlKind::kPushButton, 150, 5, 40, 14, tab, "OK"},
        {kIdCancel, ControlKind::kPushButton, 150, 22, 40, 14, tab, "Cancel"},
        {kOpenChild, ControlKind::kPushButton, 150, 40, 40, 14, tab, ""},
        {kHiddenButton, ControlKind::kPushButton, 150, 58, 40, 14, tab | ControlStyle::kHidden, ""},
        {1004, ControlKind::kDefaultPushButton, 150, 76, 40, 14, tab, ""},
    };
    for (int i = 0; i < 4; ++i) {
      m_parent.controls.push_back({kRangeFirst + i, ControlKind::kPushButton, 5, 40 + 15 * i, 20,
                                   14, ControlStyle::kNone, ""});
    }
    m_child.id = kChildId;
    m_child.controls = {
        {kName, ControlKind::kStaticText, 5, 5, 80, 12, ControlStyle::kDisabled, "child text"},
        {kIdOk, ControlKind::kDefaultPushButton, 5, 30, 40, 14, tab, "OK"},
        {kIdCancel, ControlKind::kPushButton, 50, 30, 40, 14, tab, "Cancel"},
    };
  }
  std::optional<std::string_view> FindString(unsigned id) const override {
    if (id == 7) return std::string_view("seven");
    if (id == 8) return std::string_view();
    return std::nullopt;
  }
  const ui::DialogTemplate* FindDialog(int id) const override {
    return id == kParentId ? &m_parent : id == kChildId ? &m_child : nullptr;
  }
  const ui::IconResource* FindIcon(int) const override { return nullptr; }
  std::span<const std::uint8_t> FindBitmap(int) const override { return {}; }

 private:
  ui::DialogTemplate m_parent;
  ui::DialogTemplate m_child;
};

class ChildDialog : public Dialog {
 public:
  explicit ChildDialog(Dialog* parent) : Dialog(kChildId, parent) {}
  int inits = 0;
  int destroys = 0;
  bool end_at_init = false;

 protected:
  bool OnInitDialog() override {
    ++inits;
    if (end_at_init) EndDialog(42);
    return Dialog::OnInitDialog();
  }
  void OnDestroy() override { ++destroys; }
};

class ParentDialog : public Dialog {
 public:
  ParentDialog() : Dialog(kParentId) {
    MapCommand(kOpenChild, Notification::kClicked, [this] {
      ChildDialog child(nullptr);
      child_result = child.DoModal();
    });
    MapCommand(kLevel, Notification::kSelectionChanged, [this] {
      ++selection_changes;
      // Setting a selection from code must not come back as a notification.
      SetListSelection(kLevel, 0);
      UpdateData(true);
    });
    MapCommand(kLevel, Notification::kDropDown, [this] { ++drop_downs; });
    MapCommandRange(kRangeFirst, kRangeFirst + 3, Notification::kClicked,
                    [this](int id) { range_clicks.push_back(id); });
  }

  std::string name = "Ada";
  int level = 1;
  int child_result = 0;
  int selection_changes = 0;
  int drop_downs = 0;
  std::vector<int> range_clicks;
  std::vector<unsigned> timers;
  std::vector<ui::KeyMessage> keys;
  bool swallow_keys = false;
  int helps = 0;
  int reads_back = 0;
  bool fail_validation = false;
  bool by_data = false;
  std::intptr_t code = 200;

 protected:
  bool OnInitDialog() override {
    AddListItem(kLevel, "High", 100);
    AddListItem(kLevel, "Medium", 200);
    AddListItem(kLevel, "Low", 300);
    return Dialog::OnInitDialog();
  }
  void DoDataExchange(ui::DataExchange& exchange) override {
    if (exchange.IsSaving()) ++reads_back;
    exchange.Text(kName, name);
    if (by_data) {
      exchange.ListItemData(kLevel, code);
    } else {
      exchange.ListIndex(kLevel, level);
    }
    if (exchange.IsSaving() && fail_validation) exchange.Fail(kLevel);
  }
  void OnTimer(unsigned timer_id) override { timers.push_back(timer_id); }
  bool PreTranslateKey(const ui::KeyMessage& message) override {
    keys.push_back(message);
    return swallow_keys;
  }
  void OnHelp() override { ++helps; }
  void OnPaint(ui::PaintContext& context) override {
    if (context.IsMinimized()) {
      context.DrawIconCentered(128);
    } else {
      context.StretchBitmapToControl(kName, 141);
    }
  }
};

class DialogTest : public ::testing::Test {
 protected:
  TestResources resources;
  test::ScriptedBackend backend;
};

// The modal run: init fills controls, OK reads them back and ends with IDOK,
// Cancel/Escape/close box end with IDCANCEL without reading back; a failed
// check keeps the dialog open with the focus on the bad control.
TEST_F(DialogTest, OkReadsBackAndCancelDoesNot) {
  ParentDialog ok_dialog;
  backend.Run([&] {
    test::WindowState& window = backend.Window(kParentId);
    EXPECT_TRUE(window.shown);
    EXPECT_EQ(window.Control(kName).text, "Ada");
    EXPECT_EQ(window.Control(kLevel).selection, 1);
    EXPECT_EQ(window.focus, kName);  // the first control that takes the focus
    window.Control(kName).text = "Grace";
    window.Control(kLevel).selection = 2;
  });
  backend.Click(kIdOk);
  EXPECT_EQ(ok_dialog.DoModal(), kIdOk);
  EXPECT_EQ(ok_dialog.name, "Grace");
  EXPECT_EQ(ok_dialog.level, 2);
  EXPECT_EQ(ok_dialog.reads_back, 1);
  EXPECT_FALSE(backend.Window(kParentId).alive);

  for (int way = 0; way < 3; ++way) {
    ParentDialog dialog;
    backend.Run([&] { backend.Window(kParentId).Control(kName).text = "changed"; });
    if (way == 0) backend.Click(kIdCancel);
    if (way == 1) backend.Escape();
    if (way == 2) backend.CloseBox();
    EXPECT_EQ(dialog.DoModal(), kIdCancel) << way;
    EXPECT_EQ(dialog.name, "Ada") << way;
    EXPECT_EQ(dialog.reads_back, 0) << way;
  }

  ParentDialog failing;
  failing.fail_validation = true;
  backend.Click(kIdOk).Run([&] {
    EXPECT_TRUE(failing.IsOpen());
    EXPECT_EQ(failing.GetFocus(), kLevel);
  });
  backend.Click(kIdCancel);
  EXPECT_EQ(failing.DoModal(), kIdCancel);
}

// Windows that cannot be built (no resources, unknown id) report -1 and run nothing.
TEST(DialogWithoutBackend, DoModalFailsCleanly) {
  EXPECT_EQ(ChildDialog(nullptr).DoModal(), -1);
  TestResources resources;
  test::ScriptedBackend backend;
  EXPECT_EQ(Dialog(999).DoModal(), -1);
  EXPECT_TRUE(backend.Windows().empty());
}

// Nested loops: the child takes the next actions, disables its owner (the
// running parent, though it was given no parent) and gives control back.
TEST_F(DialogTest, NestedLoopDisablesOwnerAndSharesTheScript) {
  ParentDialog dialog;
  backend.In(kParentId).Click(kOpenChild);
  backend.In(kChildId).Run([&] {
    EXPECT_FALSE(backend.Window(kParentId).enabled);
    EXPECT_TRUE(backend.Window(kChildId).shown);
    EXPECT_EQ(backend.Window(kChildId).owner_template_id, kParentId);
    EXPECT_FALSE(backend.Window(kChildId).Control(kName).enabled);
  });
  backend.In(kChildId).PressKey(ui::kVkReturn);  // the child's default button is OK
  backend.In(kParentId).Run([&] {
    EXPECT_TRUE(backend.Window(kParentId).enabled);
    EXPECT_FALSE(backend.Window(kChildId).alive);
    EXPECT_EQ(dialog.child_result, kIdOk);
  });
  backend.Click(kOpenChild).Escape();
  backend.Run([&] { EXPECT_EQ(dialog.child_result, kIdCancel); });
  backend.Click(kIdCancel);
  EXPECT_EQ(dialog.DoModal(), kIdCancel);
  EXPECT_EQ(backend.Windows().size(), 3u);

  ChildDialog early(nullptr);
  early.end_at_init = true;
  EXPECT_EQ(early.DoModal(), 42);  // ended in OnInitDialog: never shown, no script used
  EXPECT_EQ(early.inits, 1);
  EXPECT_EQ(early.destroys, 1);
  EXPECT_EQ(backend.PendingActions(), 0u);
}

// Commands reach their handlers by id and range; code-made changes send
// nothing; unavailable buttons cannot be clicked; Return prefers the
// focused button over the default one.
TEST_F(DialogTest, CommandsComeFromUserActionsOnly) {
  ParentDialog dialog;
  backend.OpenList(kLevel).Select(kLevel, 2);
  backend.Run([&] {
    EXPECT_EQ(dialog.drop_downs, 1);
    EXPECT_EQ(dialog.selection_changes, 1);
    EXPECT_EQ(dialog.level, 0);  // the handler reset the selection from code
    EXPECT_EQ(dialog.GetListItemData(kLevel, 2), 300);
    EXPECT_EQ(dialog.FindListItemData(kLevel, 5), -1);
    dialog.DisableControl(kRangeFirst + 1);
  });
  backend.Click(kRangeFirst + 3).Click(kRangeFirst + 1).Click(kRangeFirst).Click(kHiddenButton);
  backend.Select(kLevel, 1);
  backend.Run([&] {
    EXPECT_EQ((std::vector<int>{kRangeFirst + 3, kRangeFirst}), dialog.range_clicks);
    EXPECT_EQ(backend.Ignored().size(), 2u);
    EXPECT_EQ(dialog.selection_changes, 2);
    dialog.SetFocus(kName);
  });
  // Return with an edit focused presses the default button, which has no handler.
  backend.PressKey(ui::kVkReturn);
  backend.Run([&] {
    EXPECT_TRUE(dialog.IsOpen());
    dialog.SetFocus(kIdOk);
  });
  backend.PressKey(ui::kVkReturn);
  EXPECT_EQ(dialog.DoModal(), kIdOk);
}

// The key filter sees key down, character and key up, and may swallow them;
// the keyboard state follows the keys either way.
TEST_F(DialogTest, KeyFilterSeesKeysFirstAndCanSwallowThem) {
  ParentDialog dialog;
  dialog.swallow_keys = true;
  backend.PressKey(ui::kVkEscape).PressKey(ui::kVkReturn).PressKey(ui::kVkF1).HoldKey('A');
  backend.Run([&] {
    EXPECT_TRUE(dialog.IsOpen());
    EXPECT_EQ(dialog.helps, 0);
    EXPECT_EQ(dialog.GetKeyboardState()['A'] & 0x80, 0x80);
    EXPECT_EQ(dialog.GetKeyboardState()[ui::kVkEscape] & 0x80, 0x00);
    dialog.swallow_keys = false;
    dialog.keys.clear();
  });
  backend.ReleaseKey('A').PressKey(ui::kVkF1);
  backend.HoldKey(ui::kVkMenu).PressKey('X').ReleaseKey(ui::kVkMenu);
  backend.Run([&] {
    EXPECT_EQ(dialog.helps, 1);
    ASSERT_EQ(dialog.keys.size(), 8u);
    EXPECT_EQ(dialog.keys[0].kind, ui::KeyMessageKind::kKeyUp);
    EXPECT_EQ(dialog.keys[1].kind, ui::KeyMessageKind::kKeyDown);
    EXPECT_EQ(dialog.keys[1].code, ui::kVkF1);
    EXPECT_EQ(dialog.keys[3].kind, ui::KeyMessageKind::kSysKeyDown);
    EXPECT_EQ(dialog.keys[5].kind, ui::KeyMessageKind::kSysChar);
    EXPECT_EQ(dialog.keys[5].code, static_cast<unsigned>('x'));
  });
  backend.Escape();
  EXPECT_EQ(dialog.DoModal(), kIdCancel);
}

// Timers fire by id until killed and end with their window; painting picks
// icon or bitmap by the minimised state; a closed dialog's accessors are inert.
TEST_F(DialogTest, TimersPaintingAndClosedAccessors) {
  ParentDialog dialog;
  backend.Run([&] {
    dialog.SetTimer(342, 100);
    dialog.SetTimer(7, 50);
    EXPECT_EQ(backend.Window(kParentId).timers.at(342), 100u);
  });
  backend.FireTimer(342).FireTimer(7).FireTimer(342).Run([&] {
    dialog.KillTimer(342);
    EXPECT_EQ(backend.Window(kParentId).timers.count(342), 0u);
  });
  backend.Paint().Paint(true).Click(kIdCancel);
  dialog.DoModal();
  EXPECT_EQ((std::vector<unsigned>{342, 7, 342}), dialog.timers);
  EXPECT_TRUE(backend.Window(kParentId).timers.empty());
  EXPECT_EQ((std::vector<std::string>{"bitmap 141 on 1000", "icon 128 centred"}),
            backend.Window(kParentId).paints);
  dialog.SetControlText(kName, "late");
  EXPECT_EQ(dialog.GetControlText(kName), "");
  EXPECT_FALSE(dialog.UpdateData(true));
}

// Message boxes return the scripted answer, are owned by the window that
// asks, and the platform's boxes go through the same script.
TEST_F(DialogTest, MessageBoxesReturnScriptedAnswers) {
  ParentDialog dialog;
  std::vector<int> answers;
  backend.Run([&] {
    answers.push_back(
        dialog.MessageBox("Sure?", "Question", platform::kMbYesNo | platform::kMbIconExclamation));
    answers.push_back(dialog.MessageBox("Sure?", "Question", platform::kMbYesNo));
    answers.push_back(
        platform::ShowMessageBox("Bad", "Error", platform::kMbOk | platform::kMbIconStop));
  });
  backend.AnswerMessageBox(kIdNo).AnswerMessageBox(kIdYes).AnswerMessageBox(kIdOk).Click(kIdCancel);
  dialog.DoModal();
  EXPECT_EQ((std::vector<int>{kIdNo, kIdYes, kIdOk}), answers);
  ASSERT_EQ(backend.MessageBoxes().size(), 3u);
  EXPECT_EQ(backend.MessageBoxes()[0].owner_template_id, kParentId);
  EXPECT_EQ(backend.MessageBoxes()[0].flags, platform::kMbYesNo | platform::kMbIconExclamation);
  EXPECT_EQ(backend.MessageBoxes()[2].owner_template_id, 0);
  EXPECT_EQ(backend.MessageBoxes()[2].caption, "Error");
}

// Exchanging a list by item data: writing selects the first item carrying
// the value (none when absent), reading with no selection keeps the value.
TEST_F(DialogTest, ListItemDataExchange) {
  ParentDialog dialog;
  dialog.by_data = true;
  backend.Run([&] {
    EXPECT_EQ(dialog.GetListSelection(kLevel), 1);
    dialog.code = 999;
    dialog.UpdateData(false);
    EXPECT_EQ(dialog.GetListSelection(kLevel), -1);
    EXPECT_TRUE(dialog.UpdateData(true));
    EXPECT_EQ(dialog.code, 999);
    backend.Window(kParentId).Control(kLevel).selection = 2;
  });
  backend.Click(kIdOk);
  EXPECT_EQ(dialog.DoModal(), kIdOk);
  EXPECT_EQ(dialog.code, 300);
}

// String lookups go to the installed resource set and tell absent from empty.
TEST(StringTable, LooksUpTheInstalledSet) {
  EXPECT_EQ(ui::LoadString(7), "");
  {
    TestResources resources;
    EXPECT_EQ(ui::LoadString(7), "seven");
    EXPECT_TRUE(ui::HasString(8));
    EXPECT_FALSE(ui::HasString(9));
  }
  EXPECT_EQ(ui::ResourceSet::s_instance, nullptr);
}

}  // namespace
