#include "hardware/CpuIdentity.h"

#include <cstring>

#include "hardware/CpuidTable.h"

int32_t DecodeVendor(const CpuidEntry& leaf0) {
  static constexpr const char* kVendors[] = {"GenuineIntel", "AuthenticAMD", "CyrixInstead",
                                             "CentaurHauls"};
  char text[12];
  std::memcpy(text, &leaf0.ebx, 4);
  std::memcpy(text + 4, &leaf0.edx, 4);
  std::memcpy(text + 8, &leaf0.ecx, 4);
  for (int32_t code = 0; code < 4; ++code) {
    if (std::memcmp(text, kVendors[code], sizeof text) == 0) {
      return code;
    }
  }
  return kVendorUnknown;
}

CpuSignature DecodeSignature(uint32_t leaf1_eax) {
  CpuSignature signature;
  signature.family = (leaf1_eax >> 8) & 0xF;
  signature.model = (leaf1_eax >> 4) & 0xF;
  signature.stepping = leaf1_eax & 0xF;
  signature.type = (leaf1_eax >> 12) & 0x3;
  return signature;
}

bool FpuPresent(uint16_t status_word, uint16_t control_word) {
  return (status_word & 0xFF) == 0 && (control_word & 0x103F) == 0x003F;
}

int32_t DivisionFlagsResult(uint8_t low_flags) {
  return low_flags == 0x02 ? kVendorCyrixByDivision : kVendorUnknown;
}
