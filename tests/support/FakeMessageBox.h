#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "platform/MessageBox.h"

// Records every message box and answers it with OK.
struct FakeMessageBox final : platform::MessageBox {
  struct Box {
    std::string text, caption;
    unsigned flags = 0;
    platform::OwnerWindow* owner = nullptr;
  };

  int Show(platform::OwnerWindow* owner, std::string_view text, std::string_view caption,
           unsigned flags) override {
    boxes.push_back({std::string(text), std::string(caption), flags, owner});
    return platform::kIdOk;
  }

  std::vector<Box> boxes;
};
