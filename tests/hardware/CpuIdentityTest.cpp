#include "hardware/CpuIdentity.h"

#include <gtest/gtest.h>

#include <cstring>
#include <tuple>
#include <utility>

#include "hardware/CpuidTable.h"
#include "hardware/FeatureWord.h"
#include "hardware/ProcessorRecord.h"
#include "support/FakeFeatureProbes.h"

namespace {

CpuidEntry VendorLeaf(const char* vendor) {
  CpuidEntry entry;
  std::memcpy(&entry.ebx, vendor, 4);
  std::memcpy(&entry.edx, vendor + 4, 4);
  std::memcpy(&entry.ecx, vendor + 8, 4);
  return entry;
}

uint32_t SignatureEax(uint32_t family, uint32_t model, uint32_t stepping) {
  return (family << 8) | (model << 4) | stepping;
}

// The feature word of a processor with CPUID whose leaves hold the given registers.
uint32_t WordFor(FakeFeatureProbes& probes, const char* vendor, uint32_t highest_standard,
                 uint32_t leaf1_eax, uint32_t leaf1_edx, uint32_t highest_extended = 0,
                 uint32_t ext_edx = 0) {
  ProcessorRecord record;
  record.m_cpuid_available = true;
  record.m_processor_class = 4;
  CpuidTable::Pointer table = CpuidTable::Create(highest_standard, highest_extended);
  *table->Find(0) = VendorLeaf(vendor);
  table->Find(0)->eax = highest_standard;
  if (highest_standard >= 1) *table->Find(1) = {leaf1_eax, 0, leaf1_edx, 0};
  if (highest_extended >= 0x80000001) table->Find(0x80000001)->edx = ext_edx;
  return BuildFeatureWord(record, table.get(), probes);
}

}  // namespace

// Vendor strings are matched exactly, in twelve case-sensitive characters.
TEST(CpuIdentity, DecodesVendorSignatureAndTestReadings) {
  const std::pair<const char*, int> cases[] = {
      {"GenuineIntel", 0}, {"CentaurHauls", 3}, {"centaurHauls", -1}, {"HygonGenuine", -1}};
  for (const auto& [vendor, expected] : cases) {
    EXPECT_EQ(DecodeVendor(VendorLeaf(vendor)), expected) << vendor;
  }

  // Signature fields, the FPU test's reading and the division-flags reading.
  const CpuSignature signature = DecodeSignature(0x00A20F12);
  EXPECT_EQ(std::tuple(signature.family, signature.model, signature.stepping, signature.type),
            std::tuple(0xFu, 1u, 2u, 0u));
  EXPECT_EQ(DecodeSignature(0x00002683).type, 2u);

  EXPECT_TRUE(FpuPresent(0x0000, 0x037F));
  EXPECT_FALSE(FpuPresent(0x0000, 0x107F));
  EXPECT_EQ(DivisionFlagsResult(0x02), 2);
  EXPECT_EQ(DivisionFlagsResult(0x06), -1);
}

// Bits that depend on instruction probes, leaf counts, the vendor and signature.
TEST(CpuIdentity, FeatureBitsThatNeedMoreThanOneFlag) {
  FakeFeatureProbes probes;
  // The fast system call bit is ignored on one vendor's family 6 before model 1 stepping 3.
  auto fast_call = [&probes](const char* vendor, uint32_t model, uint32_t stepping) {
    return WordFor(probes, vendor, 1, SignatureEax(6, model, stepping), 1u << 11) &
           feature::kFastSystemCall;
  };
  EXPECT_FALSE(fast_call("GenuineIntel", 1, 2));
  EXPECT_TRUE(fast_call("GenuineIntel", 1, 3));
  EXPECT_TRUE(fast_call("AuthenticAMD", 1, 2));

  // RDTSC and ADDPS must also execute; the divide test passes only without a fault.
  probes.rdtsc = probes.addps = false;
  probes.divps = true;
  const uint32_t word = WordFor(probes, "AuthenticAMD", 1, 0, (1u << 25) | (1u << 24) | (1u << 4));
  EXPECT_EQ(word & (feature::kTimeStampCounter | feature::kSseExecutes), 0u);
  EXPECT_NE(word & feature::kUnmaskedSseDivide, 0u);

  // Cache information from two standard leaves or extended leaf 0x80000005.
  const uint32_t cache = feature::kCpuid | feature::kCacheInfo;
  EXPECT_EQ(WordFor(probes, "AuthenticAMD", 2, 0, 0), cache);
  EXPECT_EQ(WordFor(probes, "AuthenticAMD", 1, 0, 0, 0x80000005, 1u << 31), cache);
  // Leaf 0 only: leaf 1 counts as all clear.
  EXPECT_EQ(WordFor(probes, "AuthenticAMD", 0, 0, 0), feature::kCpuid);

  // Without CPUID only the FPU test speaks, and the class decides the second bit.
  ProcessorRecord record;
  record.m_processor_class = 4;
  EXPECT_EQ(BuildFeatureWord(record, nullptr, probes),
            feature::kFpu | feature::kFloatingPointPresent);
  record.m_processor_class = 3;
  EXPECT_EQ(BuildFeatureWord(record, nullptr, probes), feature::kFpu);
  probes.fpu = false;
  EXPECT_EQ(BuildFeatureWord(record, nullptr, probes), 0u);
}
