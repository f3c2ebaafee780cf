#include "app/ConfigApp.h"

#include <string>

#include "app/ConfigDialog.h"
#include "resources/StringIds.h"
#include "platform/SingleInstance.h"
#include "ui/StringTable.h"

ConfigApp::ConfigApp(platform::SingleInstance& single_instance,
                     platform::InstanceResponder& responder)
    : m_single_instance(single_instance), m_responder(responder) {}

ConfigApp::~ConfigApp() = default;

bool ConfigApp::InitInstance() {
  // Control containers and the 3-D look are what the toolkit draws anyway.
  if (m_single_instance.Find(kAtomName)) {
    const std::string title = ui::LoadString(kStrWindowTitle);
    if (m_single_instance.HolderHasWindow(kAtomName, title)) {
      m_single_instance.HolderTakeFocus(kAtomName, title);
      return false;
    }
  }

  // Null when a live but windowless holder keeps the name: this instance
  // then runs without it, as a start is never refused for want of it.
  std::unique_ptr<platform::InstanceName> atom = m_single_instance.Add(kAtomName, m_responder);
  {
    ConfigDialog dialog;
    m_main_window = &dialog;
    dialog.DoModal();
    m_main_window = nullptr;
  }
  atom.reset();
  return false;
}
