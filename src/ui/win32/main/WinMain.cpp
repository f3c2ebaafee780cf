// The configuration tool on Windows: wires the Win32 backend and the real
// platform pieces together and runs the application in the game's folder,
// the one the command line names or else the current one.
#include <cstdlib>
#include <iostream>
#include <optional>
#include <string>
#include <vector>

#include "app/CommandLine.h"
#include "app/ConfigApp.h"
#include "app/EngineServices.h"
#include "platform/GraphicsAdapter.h"
#include "resources/GameResources.h"
#include "ui/win32/Win32Api.h"
#include "ui/win32/Win32DialogBackend.h"

int WINAPI WinMain(HINSTANCE, HINSTANCE, LPSTR, int) {
  // The C runtime's split of the command line, in the system's code page as
  // the rest of the tool's texts. A program without a console prints --help
  // and --version only where its output is redirected.
  std::vector<std::string> arguments;
  for (int i = 1; i < __argc; ++i) arguments.emplace_back(__argv[i]);
  const CommandLine command_line(arguments);
  if (const std::optional<int> status = command_line.Follow(QV_VERSION, std::cout, std::cerr)) {
    return *status;
  }

  // Started first, as on every system: the adapter query may take longer
  // than anything else before the first window.
  platform::StartGraphicsPreload();

  resources::GameResources resources;
  // Also the platform's message boxes, for its lifetime.
  ui::win32::Win32DialogBackend backend;
  ConfigApp().InitInstance();

  EngineServices::ReleaseProcessServices();
  return 0;
}
