#pragma once

#include <cstdint>
#include <string>

class Dialog;

namespace ui {

// Moves values between a dialog's members and its controls, in one
// direction per pass (see Dialog::UpdateData). DoDataExchange calls the
// helpers below for each bound control, the same calls for both directions.
class DataExchange {
 public:
  enum class Direction { kToControls, kFromControls };

  DataExchange(Dialog& dialog, Direction direction);

  bool IsSaving() const { return m_direction == Direction::kFromControls; }
  Dialog& GetDialog() const { return m_dialog; }

  // Control text <-> value.
  void Text(int control_id, std::string& value);
  // Selected list index <-> value; -1 means no selection.
  void ListIndex(int control_id, int& value);
  // Item data of the selected list item <-> value: reading with no selection
  // leaves the value alone, writing selects the first item carrying it.
  void ListItemData(int control_id, std::intptr_t& value);

  // Marks the pass as failed (a value that does not validate) and puts the
  // focus on the control at fault; UpdateData then returns false.
  void Fail(int control_id);
  bool Failed() const { return m_failed; }

 private:
  Dialog& m_dialog;
  Direction m_direction;
  bool m_failed = false;
};

}  // namespace ui
