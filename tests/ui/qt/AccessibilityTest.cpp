#include <QAccessible>

#include "QtTestSupport.h"
#include "platform/MessageBox.h"
#include "resources/GameResources.h"
#include "resources/ResourceIds.h"

namespace {

using namespace qttest;

struct Seen {
  QAccessible::Role role;
  QString name;
};

Seen Accessible(QWidget* widget) {
  QAccessibleInterface* face = QAccessible::queryAccessibleInterface(widget);
  if (face == nullptr) return {QAccessible::NoRole, QStringLiteral("(none)")};
  return {face->role(), face->text(QAccessible::Name)};
}

// What screen readers are told, on the real templates: the windows are
// dialogs; a list is named after the label before it and reports its
// selection as its value; group boxes are groupings named after their
// titles, or the name a window gives an untitled one; pictures are graphics
// and buttons keep the names their windows give them. A window's names are
// not drawn: texts stay the template's.
TEST(WindowAccessibility, RolesAndNamesOfTheWindowsControls) {
  EnsureApplication();
  resources::GameResources resources;
  ui::qt::QtDialogBackend backend;
  using namespace resources;

  TestDialog main(kMainDialog);
  main.on_init = [](TestDialog& d) {
    for (const char* level : {"High", "Medium", "Low"}) d.AddListItem(kMainQualityList, level);
    d.SetListSelection(kMainQualityList, 1);
    d.SetControlAccessibleName(kMainConfigure1 + 2, "Configure Player 3");
    d.SetControlAccessibleName(kMainQualityGroup, "Quality area");
    d.SetControlAccessibleName(kMainBannerFrame, "Banner");
  };
  main.on_open = [](TestDialog& d) {
    const Seen window = Accessible(d.QtWindow().Widget());
    EXPECT_EQ(window.role, QAccessible::Dialog);
    EXPECT_EQ(window.name, QStringLiteral("Configuration"));
    QAccessibleInterface* list = QAccessible::queryAccessibleInterface(d.Control(kMainQualityList));
    EXPECT_EQ(list->role(), QAccessible::ComboBox);
    EXPECT_EQ(list->text(QAccessible::Name), QStringLiteral("Quality"));
    EXPECT_EQ(list->text(QAccessible::Value), QStringLiteral("Medium"));
    EXPECT_EQ(list->childCount(), 1);
    const std::pair<int, Seen> expected[] = {
        {kMainConfigure1 + 2, {QAccessible::Button, QStringLiteral("Configure Player 3")}},
        {kMainConfigure1, {QAccessible::Button, QStringLiteral("Configure")}},
        {kMainQualityGroup, {QAccessible::Grouping, QStringLiteral("Quality area")}},
        {kMainBannerFrame, {QAccessible::Graphic, QStringLiteral("Banner")}},
        {kMainDirectXPresent, {QAccessible::Graphic, QString()}},
        {kMainQualityLabel, {QAccessible::StaticText, QStringLiteral("Quality")}},
    };
    for (const auto& [id, seen] : expected) {
      const Seen actual = Accessible(d.Control(id));
      EXPECT_EQ(actual.role, seen.role) << id;
      EXPECT_EQ(actual.name, seen.name) << id;
    }
    EXPECT_EQ(d.GetControlText(kMainConfigure1 + 2), "Configure");
    d.EndDialog(platform::kIdOk);
  };
  EXPECT_EQ(main.DoModal(), platform::kIdOk);

  TestDialog controller(kControllerDialog);
  controller.on_open = [](TestDialog& d) {
    EXPECT_EQ(Accessible(d.Control(kControllerMenuGroup)).role, QAccessible::Grouping);
    EXPECT_EQ(Accessible(d.Control(kControllerMenuGroup)).name, QStringLiteral("Menu"));
    d.SetControlText(kControllerActionLabelBase + 11, "Hard Drop");
    EXPECT_EQ(Accessible(d.Control(kControllerActionListBase + 11)).name,
              QStringLiteral("Hard Drop"));
    EXPECT_EQ(Accessible(d.Control(kControllerDeviceList)).name, QStringLiteral("Controller"));
    d.EndDialog(platform::kIdCancel);
  };
  EXPECT_EQ(controller.DoModal(), platform::kIdCancel);
}

}  // namespace
