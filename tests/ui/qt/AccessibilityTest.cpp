#include <QAccessible>

#include "QtTestSupport.h"
#include "platform/MessageBox.h"
#include "resources/GameResources.h"
#include "resources/ResourceIds.h"

namespace {

using namespace qttest;

QString NameOf(QWidget* widget) {
  return QAccessible::queryAccessibleInterface(widget)->text(QAccessible::Name);
}

// What screen readers are told beyond the names the running program gives
// (the end-to-end accessible tree checks those): a name given for them is
// not drawn, a list reports its selection as its value, and a list named
// after the label before it follows that label when it changes.
TEST(WindowAccessibility, NamesAreNotDrawnAndFollowTheirLabels) {
  EnsureApplication();
  resources::GameResources resources;
  ui::qt::QtDialogBackend backend;
  using namespace resources;

  HookedDialog main(kMainDialog);
  main.on_init = [](HookedDialog& d) {
    for (const char* level : {"High", "Medium", "Low"}) d.AddListItem(kMainQualityList, level);
    d.SetListSelection(kMainQualityList, 1);
    d.SetControlAccessibleName(kMainConfigure1 + 2, "Configure Player 3");
  };
  main.on_open = [](HookedDialog& d) {
    QAccessibleInterface* list =
        QAccessible::queryAccessibleInterface(ControlOf(d, kMainQualityList));
    EXPECT_EQ(list->text(QAccessible::Value), QStringLiteral("Medium"));
    EXPECT_EQ(NameOf(ControlOf(d, kMainConfigure1 + 2)), QStringLiteral("Configure Player 3"));
    EXPECT_EQ(d.GetControlText(kMainConfigure1 + 2), "Configure");
    d.EndDialog(platform::kIdOk);
  };
  EXPECT_EQ(main.DoModal(), platform::kIdOk);

  HookedDialog controller(kControllerDialog);
  controller.on_open = [](HookedDialog& d) {
    d.SetControlText(kControllerActionLabelBase + 11, "Hard Drop");
    EXPECT_EQ(NameOf(ControlOf(d, kControllerActionListBase + 11)), QStringLiteral("Hard Drop"));
    d.EndDialog(platform::kIdCancel);
  };
  EXPECT_EQ(controller.DoModal(), platform::kIdCancel);
}

}  // namespace
