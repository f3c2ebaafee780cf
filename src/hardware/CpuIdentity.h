#pragma once

#include <cstdint>

struct CpuidEntry;

// Decoding of what the identification instructions return, kept apart from
// running them so it can be checked with canned register values.

constexpr int32_t kVendorUnknown = -1;
constexpr int32_t kVendorCyrixByDivision = 2;

// The vendor code of the twelve characters of leaf 0: 0 "GenuineIntel",
// 1 "AuthenticAMD", 2 "CyrixInstead", 3 "CentaurHauls", else -1.
int32_t DecodeVendor(const CpuidEntry& leaf0);

struct CpuSignature {
  uint32_t family = 0;
  uint32_t model = 0;
  uint32_t stepping = 0;
  uint32_t type = 0;
};

// From EAX of leaf 1. Only the base family and model fields are read.
CpuSignature DecodeSignature(uint32_t leaf1_eax);

// The x87 unit is present when FNINIT left a zero low status byte over the
// 0x5A5A pattern and the expected control word.
bool FpuPresent(uint16_t status_word, uint16_t control_word);

// The division-flags result from the low flags byte read after the division:
// only the always-one bit set means the division left the flags alone.
int32_t DivisionFlagsResult(uint8_t low_flags);
