#include "platform/GraphicsAdapter.h"

#include "platform/win32/Win32Support.h"

#include <d3d8.h>

namespace platform::win32 {
namespace {

// The interface version the game asks for (DirectX 8.0's SDK).
constexpr UINT kSdkVersion = 120;

using Direct3DCreate8Function = IDirect3D8*(WINAPI*)(UINT);

// Direct3D 8 through d3d8.dll, loaded when first asked for: MinGW-w64 has no
// import library for it, and a system without it must still start. The
// library stays loaded for the process.
Direct3DCreate8Function LoadCreate() {
  static const Direct3DCreate8Function create = [] {
    const HMODULE module = ::LoadLibraryA("d3d8.dll");
    if (module == nullptr) return Direct3DCreate8Function{nullptr};
    return reinterpret_cast<Direct3DCreate8Function>(
        reinterpret_cast<void*>(::GetProcAddress(module, "Direct3DCreate8")));
  }();
  return create;
}

class Direct3D8Adapter final : public GraphicsAdapter {
 public:
  std::optional<uint32_t> QueryDefaultDeviceCaps() override {
    const Direct3DCreate8Function create = LoadCreate();
    if (create == nullptr) return std::nullopt;
    IDirect3D8* direct3d = create(kSdkVersion);
    if (direct3d == nullptr) return std::nullopt;
    // A failed call leaves the record cleared: no hardware support.
    D3DCAPS8 caps{};
    if (FAILED(direct3d->GetDeviceCaps(D3DADAPTER_DEFAULT, D3DDEVTYPE_HAL, &caps))) caps = {};
    direct3d->Release();
    return static_cast<uint32_t>(caps.DevCaps);
  }
};

}  // namespace
}  // namespace platform::win32

namespace platform {

GraphicsAdapter& RealGraphicsAdapter() {
  static win32::Direct3D8Adapter real;
  return real;
}

// Direct3D 8 answers in milliseconds; there is nothing worth starting early.
void StartGraphicsPreload() {}

}  // namespace platform
