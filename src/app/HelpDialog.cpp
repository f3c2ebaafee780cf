#include "app/HelpDialog.h"

#include "resources/StringIds.h"
#include "platform/MessageBox.h"
#include "resources/ResourceIds.h"
#include "ui/ResourceStrings.h"

HelpDialog::HelpDialog(Dialog* parent) : Dialog(resources::kHelpDialog, parent) {}

bool HelpDialog::OnInitDialog() {
  Dialog::OnInitDialog();
  SetWindowText(ui::LoadString(kStrHelpTitle));
  SetControlText(platform::kIdOk, ui::LoadString(kStrOk));
  // The text is too long for one string-table entry, so it comes in two.
  SetControlText(resources::kHelpText,
                 ui::LoadString(kStrHelpText) + ui::LoadString(kStrHelpTextMore));
  SetControlAccessibleName(resources::kHelpText, ui::LoadString(kStrHelpTitle));
  return true;
}
