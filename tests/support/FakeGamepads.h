#pragma once

#include <map>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "platform/Gamepads.h"

// A gamepad system with pads a test plugs in and out and whose state it
// sets. A pad that is unplugged fails every
// further step of the objects opened on it, as a real one does.
class FakeGamepads final : public platform::Gamepads {
 public:
  struct Pad {
    std::string name;
    platform::GamepadState state;
    bool attached = true;
  };

  FakeGamepads() = default;
  FakeGamepads(const FakeGamepads&) = delete;
  FakeGamepads& operator=(const FakeGamepads&) = delete;

  // Plugs in a pad whose GUID is {n, 0, 0, ...}; returns that GUID.
  Guid Plug(const std::string& name, std::uint32_t n) {
    const Guid guid{n, 0, 0, {}};
    m_pads[n] = std::make_shared<Pad>(Pad{name, {}, true});
    m_order.push_back(n);
    return guid;
  }
  Pad& At(const Guid& guid) { return *m_pads.at(guid.data1); }
  void Unplug(const Guid& guid) { At(guid).attached = false; }

  std::optional<platform::SystemError> Start() override { return start_error; }
  std::vector<platform::GamepadInfo> Enumerate() override {
    std::vector<platform::GamepadInfo> found;
    for (std::uint32_t n : m_order) {
      if (m_pads[n]->attached) found.push_back({Guid{n, 0, 0, {}}, m_pads[n]->name});
    }
    return found;
  }
  std::unique_ptr<platform::Gamepad> Open(const Guid& guid,
                                          platform::OwnerWindow* reader) override {
    readers.push_back(reader);
    auto found = m_pads.find(guid.data1);
    if (found == m_pads.end() || !found->second->attached) return nullptr;
    return std::make_unique<Device>(guid, found->second);
  }

  std::optional<platform::SystemError> start_error;
  // The window that each call of Open named, in order.
  std::vector<platform::OwnerWindow*> readers;

 private:
  class Device final : public platform::Gamepad {
   public:
    Device(const Guid& guid, std::shared_ptr<Pad> pad) : m_guid(guid), m_pad(std::move(pad)) {}
    Guid GetInstanceGuid() const override { return m_guid; }
    bool Acquire() override { return m_pad->attached; }
    void Unacquire() override {}
    bool Poll() override { return m_pad->attached; }
    std::optional<platform::GamepadState> ReadState() override {
      if (!m_pad->attached) return std::nullopt;
      return m_pad->state;
    }

   private:
    Guid m_guid;
    std::shared_ptr<Pad> m_pad;
  };

  std::map<std::uint32_t, std::shared_ptr<Pad>> m_pads;
  std::vector<std::uint32_t> m_order;
};
