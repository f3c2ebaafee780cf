#include "platform/GraphicsRuntime.h"

#include "platform/win32/Win32Support.h"

namespace platform::win32 {
namespace {

// The setup library exports its version query by ordinal only, and no header
// or import library describes it: DirectXSetupGetVersion(DWORD* version,
// DWORD* revision), nonzero on success.
constexpr WORD kGetVersionOrdinal = 11;
using GetVersionFunction = INT(WINAPI*)(DWORD*, DWORD*);

// dsetup.dll is looked for where the system looks for any library; without
// it, or without the query, there is no runtime to report.
class SetupLibraryRuntime final : public GraphicsRuntime {
 public:
  std::optional<RuntimeVersion> QueryVersion() override {
    const HMODULE module = ::LoadLibraryA("dsetup.dll");
    if (module == nullptr) return std::nullopt;
    const auto get_version = reinterpret_cast<GetVersionFunction>(
        reinterpret_cast<void*>(::GetProcAddress(module, MAKEINTRESOURCEA(kGetVersionOrdinal))));
    DWORD version = 0;
    DWORD revision = 0;
    const bool answered = get_version != nullptr && get_version(&version, &revision) != 0;
    ::FreeLibrary(module);
    if (!answered) return std::nullopt;
    return RuntimeVersion{version, revision};
  }
};

}  // namespace
}  // namespace platform::win32

namespace platform {

GraphicsRuntime& RealGraphicsRuntime() {
  static win32::SetupLibraryRuntime real;
  return real;
}

}  // namespace platform
