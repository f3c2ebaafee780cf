#pragma once

#include <cstdint>

// The x87 control word, which the floating-point probes change and the fault
// guards put back; the instructions are the same on every system.
namespace platform {

inline std::uint16_t ReadX87ControlWord() {
  std::uint16_t control_word = 0;
  asm volatile("fnstcw %0" : "=m"(control_word));
  return control_word;
}

inline void LoadX87ControlWord(std::uint16_t control_word) {
  asm volatile("fldcw %0" : : "m"(control_word));
}

}  // namespace platform
