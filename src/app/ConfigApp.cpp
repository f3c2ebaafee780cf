#include "app/ConfigApp.h"

#include <memory>
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
  if (single_instance.Find(kAtomName)) {
    const std::string title = ui::LoadString(kStrWindowTitle);
    if (single_instance.HolderHasWindow(kAtomName, title)) {
      single_instance.HolderTakeFocus(kAtomName, title);
      return false;
    }
  }

  // Null when a live but windowless holder keeps the name: this instance
  // then runs without it, as a start is never refused for want of it.
  std::unique_ptr<platform::InstanceName> atom = single_instance.Add(kAtomName);
  {
    ConfigDialog dialog;
    m_main_window = &dialog;
    dialog.DoModal();
    m_main_window = nullptr;
  }
  atom.reset();
  return false;
}
