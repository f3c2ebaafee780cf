#pragma once

#include <iosfwd>

#include "app/CommandLineOutput.h"

// The answers on one stream and the errors on another, as a console program
// writes them to its standard output and standard error.
class ConsoleOutput final : public CommandLineOutput {
 public:
  ConsoleOutput(std::ostream& out, std::ostream& errors) : m_out(out), m_errors(errors) {}

  void Answer(std::string_view text) override;
  void Error(std::string_view text) override;

 private:
  std::ostream& m_out;
  std::ostream& m_errors;
};
