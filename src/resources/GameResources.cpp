#include "resources/GameResources.h"

#include "resources/DialogTemplates.h"
#include "resources/ResourceIds.h"
#include "resources/StringTable.h"

namespace resources {

std::optional<std::string_view> GameResources::FindString(unsigned id) const {
  return FindStringText(id);
}

const ui::DialogTemplate* GameResources::FindDialog(int id) const {
  switch (id) {
    case kMainDialog:
      return &MainDialogTemplate();
    case kControllerDialog:
      return &ControllerDialogTemplate();
    case kCaptureDialog:
      return &CaptureDialogTemplate();
    case kHelpDialog:
      return &HelpDialogTemplate();
    default:
      return nullptr;
  }
}

// FIXME: the icons and the banner bitmap are not embedded yet.
const ui::IconResource* GameResources::FindIcon(int) const { return nullptr; }

std::span<const std::uint8_t> GameResources::FindBitmap(int) const { return {}; }

}  // namespace resources
