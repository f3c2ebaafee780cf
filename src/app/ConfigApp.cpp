#include "app/ConfigApp.h"

#include <memory>
#include <optional>
#include <string>

#include "app/ConfigDialog.h"
#include "resources/StringIds.h"
#include "platform/SingleInstance.h"
#include "ui/ResourceStrings.h"

ConfigApp::ConfigApp() = default;

ConfigApp::~ConfigApp() = default;

bool ConfigApp::InitInstance() {
  // Control containers and the 3-D look are what the toolkit draws anyway.
  platform::SingleInstance& single_instance = platform::GetSingleInstance();
  // A name that cannot be looked up, or a holder that cannot be asked, is
  // not a running window: a start is never refused for want of an answer.
  if (single_instance.Find(kAtomName).value_or(false)) {
    const std::string title = ui::LoadString(kStrWindowTitle);
    if (single_instance.HolderHasWindow(kAtomName, title).value_or(false)) {
      single_instance.HolderTakeFocus(kAtomName, title);
      return false;
    }
  }

  // Without the name (a live but windowless holder keeps it, or the system
  // refuses it) this instance runs all the same: a start is never refused
  // for it, and no service to report it exists yet.
  std::optional<std::unique_ptr<platform::InstanceName>> atom = single_instance.Add(kAtomName);
  {
    ConfigDialog dialog;
    m_main_window = &dialog;
    dialog.DoModal();
    m_main_window = nullptr;
  }
  atom.reset();
  return false;
}
