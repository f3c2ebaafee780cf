// The configuration tool on Windows: wires the Win32 backend and the real
// platform pieces together and runs the application in the current folder,
// the game's.
#include "app/ConfigApp.h"
#include "app/EngineServices.h"
#include "platform/GraphicsAdapter.h"
#include "resources/GameResources.h"
#include "ui/win32/Win32.h"
#include "ui/win32/Win32DialogBackend.h"

int WINAPI WinMain(HINSTANCE, HINSTANCE, LPSTR, int) {
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
