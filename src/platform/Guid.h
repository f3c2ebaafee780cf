#pragma once

#include <cstdint>

// The 16-byte device identifier of the input layer, laid out like the
// Windows GUID structure: a 32-bit part, two 16-bit parts and eight bytes.
struct Guid {
  uint32_t data1 = 0;
  uint16_t data2 = 0;
  uint16_t data3 = 0;
  uint8_t data4[8] = {};

  friend bool operator==(const Guid&, const Guid&) = default;
};
