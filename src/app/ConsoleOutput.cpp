#include "app/ConsoleOutput.h"

#include <ostream>

void ConsoleOutput::Answer(std::string_view text) {
  m_out << text << std::flush;
}

void ConsoleOutput::Error(std::string_view text) {
  m_errors << text << std::flush;
}
