#pragma once

#include <cstdint>

// What the worker found out about one processor.
struct ProcessorRecord {
  // The ID flag of the flags register can be toggled.
  bool m_cpuid_available = false;
  // 3 when the alignment-check flag cannot be toggled (386 class), else 4.
  uint32_t m_processor_class = 3;
  // 2 when division leaves the flags unchanged, else -1.
  int32_t m_division_flags_result = -1;
  // MHz; 100.0 until measured, 0.0 when there is no performance counter.
  float m_speed = 100.0f;
};
