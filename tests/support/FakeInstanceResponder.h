#pragma once

#include <atomic>
#include <string>

#include "platform/InstanceResponder.h"

// A process whose only window is titled `title`; it counts the focus
// requests for that window, which may come from another thread.
struct FakeInstanceResponder final : platform::InstanceResponder {
  explicit FakeInstanceResponder(std::string window_title) : title(std::move(window_title)) {}
  bool HasTopLevelWindow(const std::string& asked) override { return asked == title; }
  void TakeFocus(const std::string& asked) override { focused += asked == title; }

  const std::string title;
  std::atomic<int> focused{0};
};
