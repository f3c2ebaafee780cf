#pragma once

#include "app/CommandLineOutput.h"

// The answers and errors in the platform's message boxes, captioned with the
// main window's title: a windowed program has no console to write to, and a
// console it was started from does not wait for it. The help and the version
// come in an information box, errors in a box with the stop icon.
class MessageBoxOutput final : public CommandLineOutput {
 public:
  void Answer(std::string_view text) override;
  void Error(std::string_view text) override;
};
