#pragma once

#include <cstddef>
#include <string>
#include <vector>

#include "ui/win32/Win32Api.h"

namespace ui {
struct DialogTemplate;
}

namespace ui::win32 {

// An in-memory extended dialog template (DLGTEMPLATEEX and one
// DLGITEMTEMPLATEEX per control), as the resource compiler would have made
// it from the dialog's script, for the system's dialog functions. The words
// start on a DWORD boundary, as those functions require.
class DialogTemplateBuilder {
 public:
  explicit DialogTemplateBuilder(const DialogTemplate& dialog_template);

  const DLGTEMPLATE* Get() const { return reinterpret_cast<const DLGTEMPLATE*>(m_words.data()); }
  std::size_t SizeInBytes() const { return m_words.size() * sizeof(WORD); }

  // The window and control styles the template's flags stand for.
  static DWORD WindowStyle(const DialogTemplate& dialog_template);
  static DWORD WindowExStyle(const DialogTemplate& dialog_template);

 private:
  void AddWord(WORD value);
  void AddDword(DWORD value);
  void AddText(const std::string& text);
  void AlignToDword();

  std::vector<WORD> m_words;
};

}  // namespace ui::win32
