#pragma once

#include <cstdint>

// The video quality level stored as SYSTEM/PERFORMANCE. The value is also the
// index of the level in the main window's quality list. Any value other than
// the three levels means that no level has been chosen yet, so the enum is
// read from the file as a plain 32-bit number and may hold such values.
enum class QualityLevel : int32_t {
  High = 0,
  Medium = 1,
  Low = 2,
};

constexpr bool IsChosen(QualityLevel level) {
  return level == QualityLevel::High || level == QualityLevel::Medium || level == QualityLevel::Low;
}
