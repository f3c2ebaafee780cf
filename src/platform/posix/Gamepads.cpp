#include "platform/Gamepads.h"

#include <climits>
#include <cstdlib>
#include <cstring>
#include <map>

#include "platform/posix/GamepadGuid.h"
#include "platform/posix/SdlGamepad.h"
#include "platform/posix/SdlLibrary.h"

namespace platform::posix {
namespace {

constexpr const char* kUnnamedPad = "Gamepad";
constexpr std::size_t kMaxSerialLength = 256;

// The port of the pad at `device_node`, from sysfs; empty when unknown.
std::string ReadPort(const char* device_node) {
  if (device_node == nullptr) return {};
  const auto link = SysfsDeviceLink(device_node);
  if (!link) return {};
  char resolved[PATH_MAX];
  if (realpath(link->c_str(), resolved) == nullptr) return {};
  return PortFromSysfsPath(resolved).value_or(std::string());
}

GamepadIdentity ReadIdentity(const SdlLibrary& sdl, int index) {
  GamepadIdentity identity;
  const SDL_JoystickGUID device_guid = sdl.SDL_JoystickGetDeviceGUID(index);
  std::memcpy(identity.device_guid.data(), device_guid.data, identity.device_guid.size());
  // SDL knows the serial only of an opened joystick.
  if (SDL_Joystick* joystick = sdl.SDL_JoystickOpen(index)) {
    if (const char* serial = sdl.SDL_JoystickGetSerial(joystick)) {
      identity.serial.assign(serial, strnlen(serial, kMaxSerialLength));
    }
    sdl.SDL_JoystickClose(joystick);
  }
  if (identity.serial.empty()) identity.port = ReadPort(sdl.SDL_JoystickPathForIndex(index));
  return identity;
}

// The gamepads on SDL's joystick and game-controller subsystems. Every call
// comes from the UI thread (the device list and the capture window's timer),
// so the state here needs no lock; SDL guards its own joystick list.
class SdlGamepads final : public Gamepads {
 public:
  std::optional<SystemError> Start() override {
    if (m_sdl != nullptr) return std::nullopt;
    // A missing or unusable SDL fails the start as SDL's own start would.
    const SystemResult<const SdlLibrary*> library = SdlLibraryForThisProcess();
    if (!library) return library.Error();
    const SdlLibrary& sdl = **library;
    // SDL would otherwise take SIGINT and SIGTERM from the toolkit; pads are
    // read whichever window has the focus.
    sdl.SDL_SetHint(SDL_HINT_NO_SIGNAL_HANDLERS, "1");
    sdl.SDL_SetHint(SDL_HINT_JOYSTICK_ALLOW_BACKGROUND_EVENTS, "1");
    if (sdl.SDL_Init(SDL_INIT_GAMECONTROLLER) != 0) return SystemError{0, sdl.SDL_GetError()};
    m_sdl = &sdl;
    return std::nullopt;
  }

  std::vector<GamepadInfo> Enumerate() override {
    std::vector<GamepadInfo> found;
    if (m_sdl == nullptr) return found;
    for (const Attached& pad : Refresh()) {
      const char* name = m_sdl->SDL_GameControllerNameForIndex(pad.index);
      if (name == nullptr) name = m_sdl->SDL_JoystickNameForIndex(pad.index);
      found.push_back({pad.instance, name != nullptr ? name : kUnnamedPad});
    }
    return found;
  }

  // SDL reads the pads for the process, whichever window is in front.
  std::unique_ptr<Gamepad> Open(const Guid& instance, OwnerWindow*) override {
    if (m_sdl == nullptr) return nullptr;
    for (const Attached& pad : Refresh()) {
      if (pad.instance != instance) continue;
      SDL_Joystick* joystick = m_sdl->SDL_JoystickOpen(pad.index);
      if (joystick == nullptr) return nullptr;
      return std::make_unique<SdlGamepad>(*m_sdl, instance, joystick);
    }
    return nullptr;
  }

 private:
  struct Attached {
    int index;
    Guid instance;
  };

  // The attached game controllers with their instance GUIDs, in SDL's order.
  std::vector<Attached> Refresh() {
    UpdateSdlJoysticks(*m_sdl);
    std::vector<int> indices;
    std::vector<GamepadIdentity> identities;
    std::map<SDL_JoystickID, GamepadIdentity> present;
    const int count = m_sdl->SDL_NumJoysticks();
    for (int index = 0; index < count; ++index) {
      if (m_sdl->SDL_IsGameController(index) != SDL_TRUE) continue;
      const SDL_JoystickID id = m_sdl->SDL_JoystickGetDeviceInstanceID(index);
      if (id < 0) continue;
      // A pad is opened for its serial once per plug, not at every call:
      // opening costs a round trip to some pads.
      const auto known = m_identities.find(id);
      GamepadIdentity identity =
          known != m_identities.end() ? known->second : ReadIdentity(*m_sdl, index);
      indices.push_back(index);
      identities.push_back(identity);
      present.emplace(id, std::move(identity));
    }
    m_identities = std::move(present);

    const std::vector<Guid> guids = DeriveInstanceGuids(identities);
    std::vector<Attached> attached;
    for (std::size_t i = 0; i < indices.size(); ++i) attached.push_back({indices[i], guids[i]});
    return attached;
  }

  // Null until started.
  const SdlLibrary* m_sdl = nullptr;
  // What each attached pad was found to be, by SDL's id for this plug.
  std::map<SDL_JoystickID, GamepadIdentity> m_identities;
};

}  // namespace
}  // namespace platform::posix

namespace platform {

Gamepads& RealGamepads() {
  static posix::SdlGamepads gamepads;
  return gamepads;
}

}  // namespace platform
