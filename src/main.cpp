// The configuration tool: wires the Qt backend and the real platform pieces
// together and runs the application in the game's folder, the one the command
// line names or else the current one.
#include <QApplication>

#include <algorithm>
#include <clocale>
#include <iostream>
#include <optional>
#include <string>
#include <vector>

#include "app/CommandLine.h"
#include "app/ConfigApp.h"
#include "app/EngineServices.h"
#include "hardware/SpeedPreload.h"
#include "platform/GraphicsAdapter.h"
#include "resources/GameResources.h"
#include "ui/qt/QtDialogBackend.h"

int main(int argc, char** argv) {
  // First of all, so that --help, --version and a wrong command line start
  // nothing, and the adapter query below runs in the game folder as the rest
  // of the tool does.
  const CommandLine command_line(std::vector<std::string>(argv + std::min(argc, 1), argv + argc));
  if (const std::optional<int> status = command_line.Follow(QV_VERSION, std::cout, std::cerr)) {
    return *status;
  }

  // The adapter query takes longer than anything else in the first refresh;
  // it runs in a child process while the toolkit starts, and before any
  // thread exists, as forking requires.
  platform::StartGraphicsPreload();
  // The processor measurement, on threads of its own, is ready by the first
  // refresh too. Started after the fork above.
  SpeedPreload speed_preload;

  // The command line is the tool's alone: the toolkit gets the program name only.
  int toolkit_argc = argc > 0 ? 1 : 0;
  QApplication application(toolkit_argc, argv);
  // The installed desktop entry's name, so that task bars show its icon.
  QGuiApplication::setDesktopFileName(QStringLiteral(QV_APP_ID));
  // The toolkit takes the locale from the environment; numbers in files and
  // logs must not follow it.
  std::setlocale(LC_NUMERIC, "C");

  resources::GameResources resources;
  // Also the platform's message boxes, keyboard state and the single-instance
  // channel's event loop and window answers, for its lifetime.
  ui::qt::QtDialogBackend backend;
  ConfigApp().InitInstance();

  EngineServices::ReleaseProcessServices();
  return 0;
}
