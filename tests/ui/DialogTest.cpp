#include "ui/Dialog.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "platform/MessageBox.h"
#include "support/ScriptedBackend.h"
#include "ui/DataExchange.h"
#include "ui/DialogTemplate.h"
#include "ui/ResourceSet.h"
#include "ui/ResourceStrings.h"

namespace {

using platform::kIdCancel;
using platform::kIdOk;
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
    for (int id = kRangeFirst; id < kRangeFirst + 4; ++id) {
      m_parent.controls.push_back({id, ControlKind::kPushButton, 5, 40, 20, 14, {}, ""});
    }
    m_child.id = kChildId;
    m_child.controls = {
        {kName, ControlKind::kStaticText, 5, 5, 80, 12, ControlStyle::kDisabled, "child text"},
        {kIdOk, ControlKind::kDefaultPushButton, 5, 30, 40, 14, tab, "OK"},
    };
  }
  std::optional<std::string_view> FindString(unsigned id) const override {
    if (id == 8) return std::string_view();
    return id == 7 ? std::optional<std::string_view>("seven") : std::nullopt;
  }
  const ui::DialogTemplate* FindDialog(int id) const override {
    return id == kParentId ? &m_parent : id == kChildId ? &m_child : nullptr;
  }
  const ui::IconResource* FindIcon(int) const override { return nullptr; }
  std::span<const std::uint8_t> FindBitmap(int) const override { return {}; }

 private:
  ui::DialogTemplate m_parent, m_child;
};

class ChildDialog : public Dialog {
 public:
  ChildDialog() : Dialog(kChildId, nullptr) {}
  bool end_at_init = false;

 protected:
  bool OnInitDialog() override {
    if (end_at_init) EndDialog(42);
    return Dialog::OnInitDialog();
  }
};

class ParentDialog : public Dialog {
 public:
  ParentDialog() : Dialog(kParentId) {
    MapCommand(kOpenChild, Notification::kClicked,
               [this] { child_result = ChildDialog().DoModal(); });
    MapCommand(kLevel, Notification::kSelectionChanged, [this] {
      ++selection_changes;
      SetListSelection(kLevel, 0);  // must not come back as a notification
      UpdateData(true);
    });
    MapCommand(kLevel, Notification::kDropDown, [this] { ++drop_downs; });
    MapCommandRange(kRangeFirst, kRangeFirst + 3, Notification::kClicked,
                    [this](int id) { range_clicks.push_back(id); });
  }

  std::string name = "Ada";
  int level = 1, child_result = 0, selection_changes = 0, drop_downs = 0, reads_back = 0;
  std::vector<int> range_clicks, timers;
  bool fail_validation = false, by_data = false;
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
    by_data ? exchange.ListItemData(kLevel, code) : exchange.ListIndex(kLevel, level);
    if (exchange.IsSaving() && fail_validation) exchange.Fail(kLevel);
  }
  void OnTimer(unsigned timer_id) override { timers.push_back(static_cast<int>(timer_id)); }
};

class DialogTest : public ::testing::Test {
 protected:
  TestResources resources;
  test::ScriptedBackend backend;
};

// Data exchange both ways: init fills controls, OK reads them back and ends
// with IDOK; Cancel, Escape and the close box end with IDCANCEL without
// reading back; a failed check keeps the dialog open with the focus on the
// bad control; a list exchanged by item data selects the first item carrying
// the value (none when absent) and keeps the value when nothing is selected.
TEST_F(DialogTest, DataExchangeBothWays) {
  ParentDialog ok_dialog;
  backend.Run([&] {
    test::WindowState& window = backend.Window(kParentId);
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

  for (int way = 0; way < 3; ++way) {
    ParentDialog dialog;
    backend.Run([&] { backend.Window(kParentId).Control(kName).text = "changed"; });
    way == 0 ? backend.Click(kIdCancel) : way == 1 ? backend.Escape() : backend.CloseBox();
    EXPECT_EQ(dialog.DoModal(), kIdCancel) << way;
    EXPECT_EQ(dialog.name, "Ada") << way;
    EXPECT_EQ(dialog.reads_back, 0) << way;
  }

  ParentDialog failing;
  failing.fail_validation = true;
  backend.Click(kIdOk).Run([&] { EXPECT_EQ(failing.GetFocus(), kLevel); });
  backend.Click(kIdCancel);
  EXPECT_EQ(failing.DoModal(), kIdCancel);

  ParentDialog by_data;
  by_data.by_data = true;
  backend.Run([&] {
    EXPECT_EQ(by_data.GetListSelection(kLevel), 1);
    by_data.code = 999;
    by_data.UpdateData(false);
    EXPECT_EQ(by_data.GetListSelection(kLevel), -1);
    EXPECT_TRUE(by_data.UpdateData(true));
    EXPECT_EQ(by_data.code, 999);
    backend.Window(kParentId).Control(kLevel).selection = 2;
  });
  backend.Click(kIdOk);
  EXPECT_EQ(by_data.DoModal(), kIdOk);
  EXPECT_EQ(by_data.code, 300);
}

// Windows that cannot be built (no resources, unknown id) report -1 and run nothing.
TEST(DialogWithoutBackend, DoModalFailsCleanly) {
  EXPECT_EQ(ChildDialog().DoModal(), -1);
  TestResources resources;
  test::ScriptedBackend backend;
  EXPECT_EQ(Dialog(999).DoModal(), -1);
  EXPECT_TRUE(backend.Windows().empty());
}

// Nested loops: the child takes the next actions, disables its owner (the
// running parent, though it was given no parent) and gives control back; a
// dialog ended in OnInitDialog is never shown and uses no scripted action.
TEST_F(DialogTest, NestedLoopDisablesOwnerAndEndDialog) {
  ParentDialog dialog;
  backend.In(kParentId).Click(kOpenChild);
  backend.In(kChildId).Run([&] {
    EXPECT_FALSE(backend.Window(kParentId).enabled);
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

  ChildDialog early;
  early.end_at_init = true;
  EXPECT_EQ(early.DoModal(), 42);
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
  backend.PressKey(ui::kVkReturn).Run([&] {
    EXPECT_TRUE(dialog.IsOpen());
    dialog.SetFocus(kIdOk);
  });
  backend.PressKey(ui::kVkReturn);
  EXPECT_EQ(dialog.DoModal(), kIdOk);
}

// Timers fire by id until killed and end with their window; a closed
// dialog's accessors are inert.
TEST_F(DialogTest, TimersAndClosedAccessors) {
  ParentDialog dialog;
  backend.Run([&] {
    dialog.SetTimer(342, 100);
    dialog.SetTimer(7, 50);
    EXPECT_EQ(backend.Window(kParentId).timers.at(342), 100u);
  });
  backend.FireTimer(342).FireTimer(7).FireTimer(342).Run([&] {
    dialog.KillTimer(342);
    EXPECT_EQ(backend.Window(kParentId).timers.size(), 1u);
  });
  backend.Click(kIdCancel);
  dialog.DoModal();
  EXPECT_EQ((std::vector<int>{342, 7, 342}), dialog.timers);
  EXPECT_TRUE(backend.Window(kParentId).timers.empty());
  dialog.SetControlText(kName, "late");
  EXPECT_EQ(dialog.GetControlText(kName), "");
  EXPECT_FALSE(dialog.UpdateData(true));
}

// String lookups go to the installed resource set and tell absent from empty.
TEST(ResourceStrings, LookUpTheInstalledSet) {
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
