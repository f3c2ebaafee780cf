#pragma once

#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "platform/SingleInstance.h"

// The single-instance channel with a scripted other instance: whether another
// process holds the name and shows its window, nothing for a question the
// system cannot answer, and whether it refuses the name. It records the
// calls, and whether this process holds the name.
struct FakeSingleInstance final : platform::SingleInstance {
  std::optional<bool> Find(const std::string& name) override {
    return Call("find " + name, other_holds);
  }
  std::optional<bool> HolderHasWindow(const std::string& name, const std::string& title) override {
    return Call("window " + name + " " + title, other_has_window);
  }
  void HolderTakeFocus(const std::string& name, const std::string& title) override {
    Call("focus " + name + " " + title, false);
  }
  std::optional<std::unique_ptr<platform::InstanceName>> Add(const std::string& name) override {
    if (Call("add " + name, refuses_name)) return std::nullopt;
    if (other_holds.value_or(false)) return std::unique_ptr<platform::InstanceName>();
    return std::make_unique<Name>(held);
  }

  std::optional<bool> other_holds = false, other_has_window = false;
  bool refuses_name = false, held = false;
  std::vector<std::string> calls;

 private:
  struct Name final : platform::InstanceName {
    explicit Name(bool& held) : m_held(held) { m_held = true; }
    ~Name() override { m_held = false; }
    bool& m_held;
  };

  template <typename T>
  T Call(const std::string& call, T result) {
    return calls.push_back(call), result;
  }
};
