#pragma once

#include <memory>
#include <string>
#include <vector>

#include "platform/SingleInstance.h"

// The single-instance channel with a scripted other instance: whether another
// process holds the name and shows its window. It records the calls, and
// whether this process holds the name.
struct FakeSingleInstance final : platform::SingleInstance {
  bool Find(const std::string& name) override { return Call("find " + name, other_holds); }
  bool HolderHasWindow(const std::string& name, const std::string& title) override {
    return Call("window " + name + " " + title, other_has_window);
  }
  void HolderTakeFocus(const std::string& name, const std::string& title) override {
    Call("focus " + name + " " + title, false);
  }
  std::unique_ptr<platform::InstanceName> Add(const std::string& name) override {
    return Call("add " + name, other_holds) ? nullptr : std::make_unique<Name>(held);
  }

  bool other_holds = false, other_has_window = false, held = false;
  std::vector<std::string> calls;

 private:
  struct Name final : platform::InstanceName {
    explicit Name(bool& held) : m_held(held) { m_held = true; }
    ~Name() override { m_held = false; }
    bool& m_held;
  };

  bool Call(const std::string& call, bool result) { return calls.push_back(call), result; }
};
