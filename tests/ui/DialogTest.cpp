#include "ui/Dialog.h"

#include <gtest/gtest.h>

#include <string>

#include "platform/MessageBox.h"
#include "support/SampleResources.h"
#include "support/ScriptedBackend.h"
#include "ui/DataExchange.h"
#include "ui/ResourceStrings.h"

namespace {

using platform::kIdCancel;
using platform::kIdOk;
using namespace test;  // the sample's ids

// The sample window with its edit and list exchanged.
class ParentDialog : public Dialog {
 public:
  ParentDialog() : Dialog(kSampleTemplate) {}

  std::string name = "Ada";
  int level = 1, reads_back = 0;
  bool fail_validation = false, by_data = false;
  std::intptr_t code = 200;

 protected:
  bool OnInitDialog() override {
    AddListItem(kSampleList, "High", 100);
    AddListItem(kSampleList, "Medium", 200);
    AddListItem(kSampleList, "Low", 300);
    return Dialog::OnInitDialog();
  }
  void DoDataExchange(ui::DataExchange& exchange) override {
    if (exchange.IsSaving()) ++reads_back;
    exchange.Text(kSampleEdit, name);
    by_data ? exchange.ListItemData(kSampleList, code) : exchange.ListIndex(kSampleList, level);
    if (exchange.IsSaving() && fail_validation) exchange.Fail(kSampleList);
  }
};

class DialogTest : public ::testing::Test {
 protected:
  SampleResources resources;
  ScriptedBackend backend;
};

// Data exchange both ways: init fills controls, OK reads them back and ends
// with IDOK; Cancel ends with IDCANCEL without reading back; a failed check
// keeps the dialog open with the focus on the bad control; a list exchanged
// by item data selects the first item carrying the value (none when absent)
// and keeps the value when nothing is selected.
TEST_F(DialogTest, DataExchangeBothWays) {
  ParentDialog ok_dialog;
  backend.Run([&] {
    WindowState& window = backend.Window(kSampleTemplate);
    EXPECT_EQ(window.Control(kSampleEdit).text, "Ada");
    EXPECT_EQ(window.Control(kSampleList).selection, 1);
    EXPECT_EQ(window.focus, kSampleList);  // the first control that takes the focus
    window.Control(kSampleEdit).text = "Grace";
    window.Control(kSampleList).selection = 2;
  });
  backend.Click(kSampleOk);
  EXPECT_EQ(ok_dialog.DoModal(), kIdOk);
  EXPECT_EQ(ok_dialog.name, "Grace");
  EXPECT_EQ(ok_dialog.level, 2);
  EXPECT_EQ(ok_dialog.reads_back, 1);

  ParentDialog cancelled;
  backend.Run([&] { backend.Window(kSampleTemplate).Control(kSampleEdit).text = "changed"; });
  backend.Click(kIdCancel);
  EXPECT_EQ(cancelled.DoModal(), kIdCancel);
  EXPECT_EQ(cancelled.name, "Ada");
  EXPECT_EQ(cancelled.reads_back, 0);

  ParentDialog failing;
  failing.fail_validation = true;
  backend.Click(kSampleOk).Run([&] { EXPECT_EQ(failing.GetFocus(), kSampleList); });
  backend.Click(kIdCancel);
  EXPECT_EQ(failing.DoModal(), kIdCancel);

  ParentDialog by_data;
  by_data.by_data = true;
  backend.Run([&] {
    EXPECT_EQ(by_data.GetListSelection(kSampleList), 1);
    by_data.code = 999;
    by_data.UpdateData(false);
    EXPECT_EQ(by_data.GetListSelection(kSampleList), -1);
    EXPECT_TRUE(by_data.UpdateData(true));
    EXPECT_EQ(by_data.code, 999);
    backend.Window(kSampleTemplate).Control(kSampleList).selection = 2;
  });
  backend.Click(kSampleOk);
  EXPECT_EQ(by_data.DoModal(), kIdOk);
  EXPECT_EQ(by_data.code, 300);
}

// Windows that cannot be built (no resources, unknown id) report -1 and run nothing.
TEST(DialogWithoutBackend, DoModalFailsCleanly) {
  EXPECT_EQ(Dialog(kSampleTemplate).DoModal(), -1);
  SampleResources resources;
  ScriptedBackend backend;
  EXPECT_EQ(Dialog(999).DoModal(), -1);
  EXPECT_TRUE(backend.Windows().empty());
}

// A closed dialog's accessors are inert.
TEST_F(DialogTest, ClosedAccessorsAreInert) {
  ParentDialog dialog;
  backend.Click(kIdCancel);
  dialog.DoModal();
  dialog.SetControlText(kSampleEdit, "late");
  EXPECT_EQ(dialog.GetControlText(kSampleEdit), "");
  EXPECT_FALSE(dialog.UpdateData(true));
}

// String lookups go to the installed resource set and tell absent from empty.
TEST(ResourceStrings, LookUpTheInstalledSet) {
  EXPECT_EQ(ui::LoadString(kSampleString), "");
  {
    SampleResources resources;
    EXPECT_EQ(ui::LoadString(kSampleString), "seven");
    EXPECT_TRUE(ui::HasString(kSampleEmptyString));
    EXPECT_FALSE(ui::HasString(9));
  }
  EXPECT_EQ(ui::ResourceSet::s_instance, nullptr);
}

}  // namespace
