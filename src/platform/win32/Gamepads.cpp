#include "platform/Gamepads.h"

#include <algorithm>
#include <cstring>
#include <iterator>

#include "platform/win32/DirectInputGamepad.h"
#include "platform/win32/Win32Support.h"

namespace platform::win32 {
namespace {

Guid FromSystemGuid(const GUID& system) {
  Guid guid;
  guid.data1 = system.Data1;
  guid.data2 = system.Data2;
  guid.data3 = system.Data3;
  std::copy(std::begin(system.Data4), std::end(system.Data4), guid.data4);
  return guid;
}

GUID ToSystemGuid(const Guid& guid) {
  GUID system;
  system.Data1 = guid.data1;
  system.Data2 = guid.data2;
  system.Data3 = guid.data3;
  std::copy(std::begin(guid.data4), std::end(guid.data4), system.Data4);
  return system;
}

BOOL CALLBACK CollectGamepad(const DIDEVICEINSTANCEA* device, void* context) {
  auto& found = *static_cast<std::vector<GamepadInfo>*>(context);
  found.push_back({FromSystemGuid(device->guidInstance),
                   std::string(device->tszProductName, strnlen(device->tszProductName, MAX_PATH))});
  return DIENUM_CONTINUE;
}

// DirectInput 8: one object for the process, made by Start and kept, as the
// pads' instance GUIDs are DirectInput's own. Every call comes from the UI
// thread.
class DirectInputGamepads final : public Gamepads {
 public:
  ~DirectInputGamepads() override {
    if (m_direct_input != nullptr) m_direct_input->Release();
  }

  std::optional<SystemError> Start() override {
    if (m_direct_input != nullptr) return std::nullopt;
    void* created = nullptr;
    const HRESULT result = ::DirectInput8Create(::GetModuleHandleA(nullptr), DIRECTINPUT_VERSION,
                                                IID_IDirectInput8A, &created, nullptr);
    if (FAILED(result) || created == nullptr) {
      // The user is shown the thread's last error, as the system left it;
      // when DirectInput left none, its own result stands in.
      const DWORD last = ::GetLastError();
      return MakeSystemError(last != ERROR_SUCCESS ? last : static_cast<DWORD>(result));
    }
    m_direct_input = static_cast<IDirectInput8A*>(created);
    return std::nullopt;
  }

  // Gamepads only (not joysticks, wheels or other controllers), attached
  // ones only.
  std::vector<GamepadInfo> Enumerate() override {
    std::vector<GamepadInfo> found;
    if (m_direct_input == nullptr) return found;
    m_direct_input->EnumDevices(DI8DEVTYPE_GAMEPAD, &CollectGamepad, &found, DIEDFL_ATTACHEDONLY);
    return found;
  }

  std::unique_ptr<Gamepad> Open(const Guid& instance, OwnerWindow* reader) override {
    if (m_direct_input == nullptr) return nullptr;
    IDirectInputDevice8A* device = nullptr;
    if (FAILED(m_direct_input->CreateDevice(ToSystemGuid(instance), &device, nullptr)) ||
        device == nullptr) {
      return nullptr;
    }
    HWND window = reader != nullptr ? static_cast<HWND>(reader->NativeHandle()) : nullptr;
    // A caller without a window of its own lends the thread's active one.
    if (window == nullptr) window = ::GetActiveWindow();
    return DirectInputGamepad::SetUp(instance, device, window);
  }

 private:
  IDirectInput8A* m_direct_input = nullptr;
};

}  // namespace
}  // namespace platform::win32

namespace platform {

Gamepads& RealGamepads() {
  static win32::DirectInputGamepads gamepads;
  return gamepads;
}

}  // namespace platform
