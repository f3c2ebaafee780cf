// The configuration tool on Windows: the Win32 toolkit's pieces, handed to
// the start-up that both systems share. A windowed program: the command
// line's answers and errors go to message boxes.
#include <algorithm>

#include "app/MessageBoxOutput.h"
#include "app/StartUp.h"
#include "ui/win32/Win32Api.h"
#include "ui/win32/Win32DialogBackend.h"

int WINAPI WinMain(HINSTANCE, HINSTANCE, LPSTR, int) {
  const auto win32 = [](const std::function<void()>& run_tool) {
    // Also the platform's message boxes, for its lifetime.
    ui::win32::Win32DialogBackend backend;
    run_tool();
  };
  MessageBoxOutput output;
  // The C runtime's split of the command line, in the system's code page as
  // the rest of the tool's texts.
  return StartUp({__argv + std::min(__argc, 1), __argv + __argc}, QV_VERSION, output, win32);
}
