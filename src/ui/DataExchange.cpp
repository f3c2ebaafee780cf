#include "ui/DataExchange.h"

#include "ui/Dialog.h"

namespace ui {

DataExchange::DataExchange(Dialog& dialog, Direction direction)
    : m_dialog(dialog), m_direction(direction) {}

void DataExchange::Text(int control_id, std::string& value) {
  if (IsSaving()) {
    value = m_dialog.GetControlText(control_id);
  } else {
    m_dialog.SetControlText(control_id, value);
  }
}

void DataExchange::ListIndex(int control_id, int& value) {
  if (IsSaving()) {
    value = m_dialog.GetListSelection(control_id);
  } else {
    m_dialog.SetListSelection(control_id, value);
  }
}

void DataExchange::ListItemData(int control_id, std::intptr_t& value) {
  if (IsSaving()) {
    const int selection = m_dialog.GetListSelection(control_id);
    if (selection >= 0) {
      value = m_dialog.GetListItemData(control_id, selection);
    }
  } else {
    m_dialog.SetListSelection(control_id, m_dialog.FindListItemData(control_id, value));
  }
}

void DataExchange::Fail(int control_id) {
  m_failed = true;
  m_dialog.SetFocus(control_id);
}

}  // namespace ui
