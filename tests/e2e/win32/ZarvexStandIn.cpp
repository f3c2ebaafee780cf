// A stand-in for the game in the Windows end-to-end run. Like the game, it
// takes the settings file from its current folder, so what it leaves there
// shows both where it was started and what it would have read:
//   game-saw.ini  a copy of Assets\PC\ANY_LANG\MISC\QVConfig.INI
//   game-ran      its command line and its current folder, one per line
#include <windows.h>

#include <cstdio>

int main() {
  const BOOL copied =
      ::CopyFileA("Assets\\PC\\ANY_LANG\\MISC\\QVConfig.INI", "game-saw.ini", FALSE);
  char folder[MAX_PATH] = "";
  ::GetCurrentDirectoryA(sizeof folder, folder);
  FILE* ran = std::fopen("game-ran", "wb");
  if (ran == nullptr) return 1;
  std::fprintf(ran, "%s\n%s\n", ::GetCommandLineA(), folder);
  return std::fclose(ran) == 0 && copied ? 0 : 1;
}
