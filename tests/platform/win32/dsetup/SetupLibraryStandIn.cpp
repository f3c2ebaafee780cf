// A stand-in for the setup library, which Wine does not have: its version
// query, exported by ordinal 11 only (dsetup.def) as the real one is,
// reporting DirectX 8.0 with a revision that the test recognises.
#include <windows.h>

extern "C" INT WINAPI DirectXSetupGetVersion(DWORD* version, DWORD* revision) {
  if (version == nullptr || revision == nullptr) return 0;
  *version = 0x00040008;
  *revision = 0x00000A7B;
  return 1;
}
