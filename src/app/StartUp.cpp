#include "app/StartUp.h"

#include <optional>

#include "app/CommandLine.h"
#include "app/ConfigApp.h"
#include "app/EngineServices.h"
#include "hardware/SpeedPreload.h"
#include "platform/GraphicsAdapter.h"
#include "platform/ProcessFolders.h"
#include "resources/GameResources.h"

int StartUp(const std::vector<std::string>& arguments, std::string_view version,
            CommandLineOutput& output, const Toolkit& toolkit) {
  // The strings first: a message box about the command line has the main
  // window's title as its caption.
  resources::GameResources resources;
  // Before anything else starts, so that --help, --version and a wrong
  // command line start nothing, and the adapter query below runs in the game
  // folder as the rest of the tool does.
  const CommandLine command_line(arguments);
  if (const std::optional<int> status =
          command_line.AnswerOrEnterGameFolder(version, platform::ProgramFolder(), output)) {
    return *status;
  }

  // The adapter query takes longer than anything else in the first refresh;
  // it runs alongside the toolkit's start, in a child process where the
  // system forks for it, so before any thread exists.
  platform::StartGraphicsPreload();
  // The processor measurement, on threads of its own, is ready by the first
  // refresh too. Started after the fork above.
  SpeedPreload speed_preload;

  toolkit([] { ConfigApp().InitInstance(); });

  EngineServices::ReleaseProcessServices();
  return 0;
}
