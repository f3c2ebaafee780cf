#include "ui/qt/AccessibleControls.h"

#include <QAbstractItemView>
#include <QAccessible>
#include <QAccessibleWidget>

#include "ui/qt/DropDownList.h"
#include "ui/qt/FrameControl.h"
#include "ui/qt/GroupBoxControl.h"
#include "ui/qt/IconControl.h"
#include "ui/qt/QtText.h"

namespace ui::qt {
namespace {

class DropDownListAccessible final : public QAccessibleWidget {
 public:
  explicit DropDownListAccessible(DropDownList* list)
      : QAccessibleWidget(list, QAccessible::ComboBox) {}

  QString text(QAccessible::Text kind) const override {
    if (kind == QAccessible::Value) {
      return List()->currentText();
    }
    // Name: the given name, else the buddy label's text.
    return QAccessibleWidget::text(kind);
  }

  // The list that drops down, with its items.
  int childCount() const override { return 1; }
  QAccessibleInterface* child(int index) const override {
    return index == 0 ? QAccessible::queryAccessibleInterface(List()->view()) : nullptr;
  }
  int indexOfChild(const QAccessibleInterface* child) const override {
    return child != nullptr && child->object() == List()->view() ? 0 : -1;
  }

  QAccessible::State state() const override {
    QAccessible::State state = QAccessibleWidget::state();
    state.expandable = true;
    state.expanded = List()->view()->isVisible();
    state.collapsed = !state.expanded;
    return state;
  }

 private:
  DropDownList* List() const { return static_cast<DropDownList*>(widget()); }
};

class GroupBoxAccessible final : public QAccessibleWidget {
 public:
  explicit GroupBoxAccessible(GroupBoxControl* group)
      : QAccessibleWidget(group, QAccessible::Grouping) {}

  QString text(QAccessible::Text kind) const override {
    if (kind == QAccessible::Name && widget()->accessibleName().isEmpty()) {
      return StaticDisplayText(static_cast<GroupBoxControl*>(widget())->Title());
    }
    return QAccessibleWidget::text(kind);
  }
};

QAccessibleInterface* Factory(const QString& class_name, QObject* object) {
  // These widgets have no meta-object of their own: Qt asks for the class
  // they derive from.
  if (class_name == QLatin1String("QComboBox")) {
    if (auto* list = dynamic_cast<DropDownList*>(object)) {
      return new DropDownListAccessible(list);
    }
  } else if (class_name == QLatin1String("QWidget")) {
    if (auto* group = dynamic_cast<GroupBoxControl*>(object)) {
      return new GroupBoxAccessible(group);
    }
    if (dynamic_cast<FrameControl*>(object) != nullptr ||
        dynamic_cast<IconControl*>(object) != nullptr) {
      return new QAccessibleWidget(static_cast<QWidget*>(object), QAccessible::Graphic);
    }
  }
  return nullptr;
}

}  // namespace

void InstallAccessibleControls() {
  QAccessible::installFactory(&Factory);
}

void RemoveAccessibleControls() {
  QAccessible::removeFactory(&Factory);
}

}  // namespace ui::qt
