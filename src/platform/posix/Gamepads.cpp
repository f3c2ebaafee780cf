#include "platform/Gamepads.h"

#include <SDL.h>

#include <algorithm>
#include <climits>
#include <cstdlib>
#include <cstring>
#include <map>

#include "platform/posix/GamepadGuid.h"
#include "platform/posix/SdlGamepad.h"

namespace platform {
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

GamepadIdentity ReadIdentity(int index) {
  GamepadIdentity identity;
  const SDL_JoystickGUID device_guid = SDL_JoystickGetDeviceGUID(index);
  std::memcpy(identity.device_guid.data(), device_guid.data, identity.device_guid.size());
  // SDL knows the serial only of an opened joystick.
  if (SDL_Joystick* joystick = SDL_JoystickOpen(index)) {
    if (const char* serial = SDL_JoystickGetSerial(joystick)) {
      identity.serial.assign(serial, strnlen(serial, kMaxSerialLength));
    }
    SDL_JoystickClose(joystick);
  }
  if (identity.serial.empty()) identity.port = ReadPort(SDL_JoystickPathForIndex(index));
  return identity;
}

// The gamepads on SDL's joystick and game-controller subsystems. Every call
// comes from the UI thread (the device list and the capture window's timer),
// so the state here needs no lock; SDL guards its own joystick list.
class SdlGamepads final : public Gamepads {
 public:
  std::optional<SystemError> Start() override {
    if (m_started) return std::nullopt;
    // SDL would otherwise take SIGINT and SIGTERM from the toolkit; pads are
    // read whichever window has the focus.
    SDL_SetHint(SDL_HINT_NO_SIGNAL_HANDLERS, "1");
    SDL_SetHint(SDL_HINT_JOYSTICK_ALLOW_BACKGROUND_EVENTS, "1");
    if (SDL_Init(SDL_INIT_GAMECONTROLLER) != 0) return SystemError{0, SDL_GetError()};
    m_started = true;
    return std::nullopt;
  }

  std::vector<GamepadInfo> Enumerate() override {
    std::vector<GamepadInfo> found;
    if (!m_started) return found;
    for (const Attached& pad : Refresh()) {
      const bool listed = std::any_of(found.begin(), found.end(), [&](const GamepadInfo& info) {
        return info.instance == pad.instance;
      });
      if (listed) continue;
      const char* name = SDL_GameControllerNameForIndex(pad.index);
      if (name == nullptr) name = SDL_JoystickNameForIndex(pad.index);
      found.push_back({pad.instance, name != nullptr ? name : kUnnamedPad});
    }
    return found;
  }

  std::unique_ptr<Gamepad> Open(const Guid& instance) override {
    if (!m_started) return nullptr;
    for (const Attached& pad : Refresh()) {
      if (pad.instance != instance) continue;
      SDL_Joystick* joystick = SDL_JoystickOpen(pad.index);
      if (joystick == nullptr) return nullptr;
      return std::make_unique<SdlGamepad>(instance, joystick);
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
    UpdateSdlJoysticks();
    std::vector<int> indices;
    std::vector<GamepadIdentity> identities;
    std::map<SDL_JoystickID, GamepadIdentity> present;
    const int count = SDL_NumJoysticks();
    for (int index = 0; index < count; ++index) {
      if (SDL_IsGameController(index) != SDL_TRUE) continue;
      const SDL_JoystickID id = SDL_JoystickGetDeviceInstanceID(index);
      if (id < 0) continue;
      // A pad is opened for its serial once per plug, not at every call:
      // opening costs a round trip to some pads.
      const auto known = m_identities.find(id);
      GamepadIdentity identity = known != m_identities.end() ? known->second : ReadIdentity(index);
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

  bool m_started = false;
  // What each attached pad was found to be, by SDL's id for this plug.
  std::map<SDL_JoystickID, GamepadIdentity> m_identities;
};

}  // namespace

Gamepads& RealGamepads() {
  static SdlGamepads gamepads;
  return gamepads;
}

}  // namespace platform
