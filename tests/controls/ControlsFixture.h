#pragma once

#include <gtest/gtest.h>

#include "controls/CaptureDialog.h"
#include "controls/ControllerDialog.h"
#include "platform/Installed.h"
#include "resources/GameResources.h"
#include "resources/ResourceIds.h"
#include "settings/GameSettings.h"
#include "support/FakeGamepads.h"
#include "support/ScriptedBackend.h"

// The controls' windows on the scripted backend with the program's
// resources, a default settings record and a fake gamepad system.
class ControlsTest : public ::testing::Test {
 protected:
  GameSettings& Settings() { return m_settings; }
  PlayerControls& Player(std::size_t index) { return Settings().m_players[index]; }

  // Runs the capture window on `device` through the queued script.
  std::int32_t Capture(const Guid& device) {
    CaptureDialog capture;
    capture.SetDevice(device);
    m_capture = &capture;
    m_capture_result = capture.DoModal();
    m_capture = nullptr;
    return capture.GetResult();
  }
  // Runs the controller window on a player's block through the queued script.
  int Configure(std::size_t player) {
    ControllerDialog dialog(Player(player), nullptr);
    return dialog.DoModal();
  }

  const test::WindowState& Controller() { return m_backend.Window(resources::kControllerDialog); }
  // The texts of a list's items, joined by '|'.
  std::string Items(int list) {
    std::string joined;
    for (const auto& [text, data] : Controller().Control(list).items) joined += text + "|";
    return joined;
  }
  std::string Selected(int list) {
    const test::ControlState& control = Controller().Control(list);
    return control.selection < 0 ? "-" : control.items[control.selection].first;
  }

  resources::GameResources m_resources;
  test::ScriptedBackend m_backend;
  FakeGamepads m_pads;
  platform::Installed<platform::Gamepads> m_installed_pads{m_pads, &platform::SetGamepads};
  int m_capture_result = 0;
  // The capture window while Capture runs it.
  CaptureDialog* m_capture = nullptr;

 private:
  // The windows reach it as GameSettings::s_instance, which it is for the
  // test's lifetime; no other engine service is needed here.
  GameSettings m_settings;
};
