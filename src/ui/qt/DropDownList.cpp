#include "ui/qt/DropDownList.h"

#include <QPointer>
#include <QVariant>
#include <QWheelEvent>

namespace ui::qt {

DropDownList::DropDownList(QWidget* parent) : QComboBox(parent) {
  setEditable(false);
  // A plain list below the box, as tall as the template allows, rather than
  // a menu laid over the box.
  setStyleSheet(QStringLiteral("QComboBox { combobox-popup: 0; }"));
  setInsertPolicy(QComboBox::NoInsert);
  connect(this, &QComboBox::activated, this, [this](int index) { OnActivated(index); });
}

int DropDownList::AddItem(const QString& text, std::intptr_t data) {
  const int selection = currentIndex();
  addItem(text, QVariant::fromValue<qlonglong>(static_cast<qlonglong>(data)));
  if (currentIndex() != selection) {
    setCurrentIndex(selection);
  }
  return count() - 1;
}

std::intptr_t DropDownList::ItemData(int index) const {
  if (index < 0 || index >= count()) {
    return 0;
  }
  return static_cast<std::intptr_t>(itemData(index).toLongLong());
}

void DropDownList::ClearItems() {
  clear();
  m_known_selection = -1;
}

void DropDownList::SelectFromCode(int index) {
  setCurrentIndex(index >= 0 && index < count() ? index : -1);
  m_known_selection = currentIndex();
}

void DropDownList::showPopup() {
  QPointer<DropDownList> self(this);
  if (m_on_drop_down) {
    m_on_drop_down();
  }
  // The handler may have disabled or hidden the list, or ended its window.
  if (self && isEnabled() && isVisible()) {
    QComboBox::showPopup();
  }
}

void DropDownList::wheelEvent(QWheelEvent* event) {
  if (!hasFocus()) {
    event->ignore();
    return;
  }
  QComboBox::wheelEvent(event);
}

void DropDownList::OnActivated(int index) {
  if (index == m_known_selection) {
    return;
  }
  m_known_selection = index;
  if (m_on_user_selection) {
    m_on_user_selection();
  }
}

}  // namespace ui::qt
