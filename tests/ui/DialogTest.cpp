#include "ui/Dialog.h"

#include <gtest/gtest.h>

#include <string>

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

constexpr int kParentId = 500;
constexpr int kName = 1000, kLevel = 1001;

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
    };
  }
  std::optional<std::string_view> FindString(unsigned id) const override {
    if (id == 8) return std::string_view();
    return id == 7 ? std::optional<std::string_view>("seven") : std::nullopt;
  }
  const ui::DialogTemplate* FindDialog(int id) const override {
    return id == kParentId ? &m_parent : nullptr;
  }
  const ui::IconResource* FindIcon(int) const override { return nullptr; }
  std::span<const std::uint8_t> FindBitmap(int) const override { return {}; }

 private:
  ui::DialogTemplate m_parent;
};

class ParentDialog : public Dialog {
 public:
  ParentDialog() : Dialog(kParentId) {}

  std::string name = "Ada";
  int level = 1, reads_back = 0;
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
  EXPECT_EQ(Dialog(kParentId).DoModal(), -1);
  TestResources resources;
  test::ScriptedBackend backend;
  EXPECT_EQ(Dialog(999).DoModal(), -1);
  EXPECT_TRUE(backend.Windows().empty());
}

// A closed dialog's accessors are inert.
TEST_F(DialogTest, ClosedAccessorsAreInert) {
  ParentDialog dialog;
  backend.Click(kIdCancel);
  dialog.DoModal();
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
