#include "app/MessageBoxOutput.h"

#include "platform/MessageBox.h"
#include "resources/StringIds.h"
#include "ui/ResourceStrings.h"

namespace {

void Show(std::string_view text, unsigned icon) {
  // A box needs no line end after its last line.
  if (text.ends_with('\n')) text.remove_suffix(1);
  platform::GetMessageBox().Show(nullptr, text, ui::LoadString(kStrWindowTitle),
                                 platform::kMbOk | icon);
}

}  // namespace

void MessageBoxOutput::Answer(std::string_view text) {
  Show(text, platform::kMbIconInformation);
}

void MessageBoxOutput::Error(std::string_view text) {
  Show(text, platform::kMbIconStop);
}
