// A second process for the tests of the Windows platform backend, to see
// what the system does across processes and when a process dies.
//   win32_child                        (as started by ProcessLauncher) writes
//                                      its command line to started.txt
//   win32_child lock-and-exit M        takes mutex M and ends holding it
//   win32_child hold-mutex M R D       takes mutex M, sets event R, waits
//                                      200 ms, sets event D and releases M
//   win32_child hold-name N R          takes single-instance name N, sets
//                                      event R and waits to be killed
#include <windows.h>

#include <cstdio>
#include <cstring>

#include "platform/NamedMutex.h"
#include "platform/SingleInstance.h"

namespace {

void Signal(const char* event_name) {
  HANDLE event = ::OpenEventA(EVENT_MODIFY_STATE, FALSE, event_name);
  if (event != nullptr) {
    ::SetEvent(event);
    ::CloseHandle(event);
  }
}

int WriteCommandLine() {
  FILE* file = std::fopen("started.txt", "wb");
  if (file == nullptr) return 1;
  std::fputs(::GetCommandLineA(), file);
  return std::fclose(file) == 0 ? 0 : 1;
}

}  // namespace

int main(int argc, char** argv) {
  if (argc < 2) return WriteCommandLine();
  const char* command = argv[1];
  if (std::strcmp(command, "lock-and-exit") == 0 && argc == 3) {
    auto mutex = platform::NamedMutex::Open(argv[2]);
    if (!mutex || (*mutex)->Lock()) return 1;
    ::ExitProcess(0);
  }
  if (std::strcmp(command, "hold-mutex") == 0 && argc == 5) {
    auto mutex = platform::NamedMutex::Open(argv[2]);
    if (!mutex || (*mutex)->Lock()) return 1;
    Signal(argv[3]);
    ::Sleep(200);
    Signal(argv[4]);
    return (*mutex)->Unlock() ? 1 : 0;
  }
  if (std::strcmp(command, "hold-name") == 0 && argc == 4) {
    auto name = platform::GetSingleInstance().Add(argv[2]);
    if (!name || !*name) return 1;
    Signal(argv[3]);
    ::Sleep(INFINITE);
  }
  return 2;
}
