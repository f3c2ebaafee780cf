#pragma once

#include <cstdint>
#include <functional>

#include <QComboBox>

namespace ui::qt {

// A drop-down list that cannot be typed into, with the manners of a Windows
// one: adding items selects nothing; it tells its owner, before it opens,
// that it is about to drop down (the owner may refill it then); and it tells
// of a selection only when the user changed it: selections made from code,
// and the user picking the item already selected, say nothing. The mouse
// wheel changes it only while it has the focus, so that scrolling over a
// window does not change a setting on its way.
class DropDownList final : public QComboBox {
 public:
  explicit DropDownList(QWidget* parent);

  void SetOnDropDown(std::function<void()> handler) { m_on_drop_down = std::move(handler); }
  void SetOnUserSelection(std::function<void()> handler) {
    m_on_user_selection = std::move(handler);
  }

  int AddItem(const QString& text, std::intptr_t data);
  std::intptr_t ItemData(int index) const;
  void ClearItems();
  // Selection from code; -1 clears it. Sends nothing.
  void SelectFromCode(int index);

  void showPopup() override;

 protected:
  void wheelEvent(QWheelEvent* event) override;

 private:
  void OnActivated(int index);

  std::function<void()> m_on_drop_down;
  std::function<void()> m_on_user_selection;
  int m_known_selection = -1;
};

}  // namespace ui::qt
