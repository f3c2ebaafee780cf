#pragma once

#include <string_view>

// Where the command line's answers go before any window is open: a console
// program's standard streams, a windowed program's message boxes.
class CommandLineOutput {
 public:
  virtual ~CommandLineOutput() = default;

  // What was asked for: the help or the version. Ends with a line end.
  virtual void Answer(std::string_view text) = 0;
  // Why the tool cannot run as asked. Ends with a line end.
  virtual void Error(std::string_view text) = 0;
};
