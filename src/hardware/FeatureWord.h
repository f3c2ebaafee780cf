#pragma once

#include <cstdint>

class CpuidTable;
class FeatureProbes;
struct ProcessorRecord;

// Bits of the feature word.
namespace feature {
constexpr uint32_t kCpuid = 0x00000001;
constexpr uint32_t kFpu = 0x00000002;
constexpr uint32_t kCacheInfo = 0x00000004;
constexpr uint32_t kMmx = 0x00000008;
constexpr uint32_t kConditionalMove = 0x00000010;
constexpr uint32_t kLocalApic = 0x00000020;
constexpr uint32_t kTimeStampCounter = 0x00000040;
constexpr uint32_t kCmpxchg8b = 0x00000080;
constexpr uint32_t kDebuggingExtensions = 0x00000200;
constexpr uint32_t kVirtual8086Extensions = 0x00000400;
constexpr uint32_t kPageSizeExtensions = 0x00000800;
constexpr uint32_t kModelSpecificRegisters = 0x00001000;
constexpr uint32_t kPhysicalAddressExtension = 0x00002000;
constexpr uint32_t kFastSystemCall = 0x00004000;
constexpr uint32_t kPageGlobalEnable = 0x00008000;
constexpr uint32_t kMachineCheckArchitecture = 0x00010000;
constexpr uint32_t kPageAttributeTable = 0x00020000;
constexpr uint32_t kMachineCheckException = 0x00040000;
constexpr uint32_t kMemoryTypeRangeRegisters = 0x00080000;
constexpr uint32_t kSse = 0x00100000;
constexpr uint32_t kSseExecutes = 0x00200000;
constexpr uint32_t kUnmaskedSseDivide = 0x00400000;
constexpr uint32_t kSerialNumber = 0x00800000;
constexpr uint32_t kPageSizeExtensions36 = 0x01000000;
constexpr uint32_t kExtendedBit27 = 0x02000000;
constexpr uint32_t kFloatingPointPresent = 0x10000000;
constexpr uint32_t kFloatingPointMultimedia = 0x20000000;
constexpr uint32_t kExtendedBits31And23 = 0x40000000;
constexpr uint32_t kStreamingSimd = 0x80000000;
}  // namespace feature

// Builds the feature word of one processor from its record and stored leaves
// (null without CPUID), asking `probes` only where an instruction must run.
uint32_t BuildFeatureWord(const ProcessorRecord& record, const CpuidTable* table,
                          FeatureProbes& probes);
