#pragma once

#include <cstdint>

// Access modes of asset descriptors, file handles and disk files; the values
// are the ones the game's tables hold.
enum class OpenMode : std::int32_t {
  kOpenRead = 0,
  kOpenWrite = 1,
  kOpenReadWrite = 2,
};

// The modes are known by these names throughout the engine; the prefix keeps
// them apart without the enum's name.
using enum OpenMode;

// Whether a file opened in `mode` takes writes.
constexpr bool IsWritingMode(OpenMode mode) {
  return mode == kOpenWrite || mode == kOpenReadWrite;
}
