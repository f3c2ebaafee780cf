#include "hardware/FeatureWord.h"

#include "hardware/CpuIdentity.h"
#include "hardware/CpuidTable.h"
#include "hardware/FeatureProbes.h"
#include "hardware/ProcessorRecord.h"

namespace {

struct EdxBit {
  unsigned bit;
  uint32_t feature;
};

// Leaf 1 EDX bits that map straight onto the word; bit 4 (RDTSC) also needs
// the instruction to run, so it is handled apart.
constexpr EdxBit kLeaf1Bits[] = {
    {0, feature::kFpu},
    {23, feature::kMmx},
    {15, feature::kConditionalMove},
    {9, feature::kLocalApic},
    {8, feature::kCmpxchg8b},
    {2, feature::kDebuggingExtensions},
    {1, feature::kVirtual8086Extensions},
    {3, feature::kPageSizeExtensions},
    {5, feature::kModelSpecificRegisters},
    {6, feature::kPhysicalAddressExtension},
    {11, feature::kFastSystemCall},
    {13, feature::kPageGlobalEnable},
    {14, feature::kMachineCheckArchitecture},
    {16, feature::kPageAttributeTable},
    {7, feature::kMachineCheckException},
    {12, feature::kMemoryTypeRangeRegisters},
    {25, feature::kSse},
    {18, feature::kSerialNumber},
    {17, feature::kPageSizeExtensions36},
};

bool HasBit(uint32_t value, unsigned bit) {
  return ((value >> bit) & 1) != 0;
}

bool HasAll(uint32_t word, uint32_t bits) {
  return (word & bits) == bits;
}

// Early fast-system-call processors of the first vendor report the bit
// without supporting the instructions.
bool HasBrokenFastSystemCall(const CpuidTable& table, uint32_t leaf1_eax) {
  if (DecodeVendor(*table.Find(0)) != 0 || table.HighestStandard() < 1) {
    return false;
  }
  const CpuSignature signature = DecodeSignature(leaf1_eax);
  return signature.family == 6 && signature.model < 3 && signature.stepping < 3;
}

}  // namespace

uint32_t BuildFeatureWord(const ProcessorRecord& record, const CpuidTable* table,
                          FeatureProbes& probes) {
  uint32_t word = 0;
  if (!record.m_cpuid_available || table == nullptr) {
    if (probes.FpuTestPasses()) {
      word |= feature::kFpu;
      if (record.m_processor_class >= 4) {
        word |= feature::kFloatingPointPresent;
      }
    }
    return word;
  }

  word |= feature::kCpuid;
  if (table->HighestStandard() >= 2) {
    word |= feature::kCacheInfo;
  }
  const CpuidEntry* leaf1 = table->HighestStandard() >= 1 ? table->Find(1) : nullptr;
  const uint32_t edx = leaf1 != nullptr ? leaf1->edx : 0;
  for (const EdxBit& mapping : kLeaf1Bits) {
    if (HasBit(edx, mapping.bit)) {
      word |= mapping.feature;
    }
  }
  if (HasBit(edx, 4) && probes.TimeStampCounterExecutes()) {
    word |= feature::kTimeStampCounter;
  }
  if ((word & feature::kFastSystemCall) != 0 && leaf1 != nullptr &&
      HasBrokenFastSystemCall(*table, leaf1->eax)) {
    word &= ~feature::kFastSystemCall;
  }
  if ((word & feature::kFpu) != 0) {
    word |= feature::kFloatingPointPresent;
  }
  if (HasAll(word, feature::kFloatingPointPresent | feature::kConditionalMove | feature::kMmx)) {
    word |= feature::kFloatingPointMultimedia;
  }

  const uint32_t highest_extended = table->HighestExtended();
  if (highest_extended != 0) {
    if (highest_extended >= 0x80000005) {
      word |= feature::kCacheInfo;
    }
    if (highest_extended >= 0x80000001) {
      const uint32_t ext_edx = table->Find(0x80000001)->edx;
      if (HasBit(ext_edx, 27)) {
        word |= feature::kExtendedBit27;
      }
      if (HasBit(ext_edx, 31) && HasBit(ext_edx, 23)) {
        word |= feature::kExtendedBits31And23;
      }
    }
  }

  if ((word & feature::kSse) != 0) {
    if (HasBit(edx, 24) && probes.PackedAddExecutes()) {
      word |= feature::kSseExecutes;
    }
    if (probes.UnmaskedDivideExecutes()) {
      word |= feature::kUnmaskedSseDivide;
    }
    if (HasAll(word, feature::kFloatingPointMultimedia | feature::kSse | feature::kSseExecutes)) {
      word |= feature::kStreamingSimd;
    }
  }
  return word;
}
