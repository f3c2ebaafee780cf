#include "hardware/CpuIdentity.h"

#include <gtest/gtest.h>

#include <cstring>

#include "hardware/CpuidTable.h"
#include "hardware/FeatureProbes.h"
#include "hardware/FeatureWord.h"
#include "hardware/ProcessorRecord.h"

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

// Answers for the instruction probes and remembers which ones were asked.
class ScriptedProbes : public FeatureProbes {
 public:
  bool fpu = true;
  bool rdtsc = true;
  bool addps = true;
  bool divps = false;
  int asked = 0;

  bool FpuTestPasses() override { return Ask(fpu); }
  bool TimeStampCounterExecutes() override { return Ask(rdtsc); }
  bool PackedAddExecutes() override { return Ask(addps); }
  bool UnmaskedDivideExecutes() override { return Ask(divps); }

 private:
  bool Ask(bool answer) {
    ++asked;
    return answer;
  }
};

struct CannedProcessor {
  ProcessorRecord record;
  CpuidTable::Pointer table;
};

CannedProcessor WithLeaves(const char* vendor, uint32_t highest_standard, uint32_t leaf1_eax,
                           uint32_t leaf1_edx, uint32_t highest_extended = 0,
                           uint32_t ext_edx = 0) {
  CannedProcessor processor;
  processor.record.m_cpuid_available = true;
  processor.record.m_processor_class = 4;
  processor.table = CpuidTable::Create(highest_standard, highest_extended);
  CpuidEntry leaf0 = VendorLeaf(vendor);
  leaf0.eax = highest_standard;
  *processor.table->Find(0) = leaf0;
  if (highest_standard >= 1) {
    processor.table->Find(1)->eax = leaf1_eax;
    processor.table->Find(1)->edx = leaf1_edx;
  }
  if (highest_extended >= 0x80000001) {
    processor.table->Find(0x80000001)->edx = ext_edx;
  }
  return processor;
}

}  // namespace

// Vendor strings are matched exactly, in twelve case-sensitive characters.
TEST(CpuIdentity, DecodesVendorStrings) {
  EXPECT_EQ(DecodeVendor(VendorLeaf("GenuineIntel")), 0);
  EXPECT_EQ(DecodeVendor(VendorLeaf("AuthenticAMD")), 1);
  EXPECT_EQ(DecodeVendor(VendorLeaf("CyrixInstead")), 2);
  EXPECT_EQ(DecodeVendor(VendorLeaf("CentaurHauls")), 3);
  EXPECT_EQ(DecodeVendor(VendorLeaf("centaurHauls")), -1);
  EXPECT_EQ(DecodeVendor(VendorLeaf("HygonGenuine")), -1);
  EXPECT_EQ(DecodeVendor(CpuidEntry{}), -1);
}

// Signature fields, the FPU test's reading and the division-flags reading.
TEST(CpuIdentity, DecodesSignatureAndTestReadings) {
  const CpuSignature signature = DecodeSignature(0x00A20F12);
  EXPECT_EQ(signature.family, 0xFu);
  EXPECT_EQ(signature.model, 1u);
  EXPECT_EQ(signature.stepping, 2u);
  EXPECT_EQ(signature.type, 0u);
  EXPECT_EQ(DecodeSignature(0x00002683).type, 2u);

  EXPECT_TRUE(FpuPresent(0x0000, 0x037F));
  EXPECT_FALSE(FpuPresent(0x5A5A, 0x037F));
  EXPECT_FALSE(FpuPresent(0x0000, 0x107F));
  EXPECT_EQ(DivisionFlagsResult(0x02), 2);
  EXPECT_EQ(DivisionFlagsResult(0x06), -1);
}

// Every leaf 1 EDX bit lands on its own feature bit, and the derived bits follow.
TEST(CpuIdentity, MapsEveryFeatureBit) {
  ScriptedProbes probes;
  CannedProcessor all = WithLeaves("AuthenticAMD", 1, SignatureEax(6, 8, 1), 0xFFFFFFFF, 0x80000008,
                                   (1u << 31) | (1u << 23) | (1u << 27));
  const uint32_t word = BuildFeatureWord(all.record, all.table.get(), probes);
  EXPECT_EQ(word, 0xF3FFFEFFu & ~feature::kUnmaskedSseDivide);
  EXPECT_EQ(word & 0x0C000100u, 0u);

  struct Case {
    unsigned edx_bit;
    uint32_t feature;
  };
  const Case cases[] = {{0, 0x00000002},  {23, 0x00000008}, {15, 0x00000010}, {9, 0x00000020},
                        {4, 0x00000040},  {8, 0x00000080},  {2, 0x00000200},  {1, 0x00000400},
                        {3, 0x00000800},  {5, 0x00001000},  {6, 0x00002000},  {11, 0x00004000},
                        {13, 0x00008000}, {14, 0x00010000}, {16, 0x00020000}, {7, 0x00040000},
                        {12, 0x00080000}, {25, 0x00100000}, {18, 0x00800000}, {17, 0x01000000}};
  for (const Case& c : cases) {
    CannedProcessor one = WithLeaves("AuthenticAMD", 1, 0, 1u << c.edx_bit);
    uint32_t expected = feature::kCpuid | c.feature;
    if (c.feature == feature::kFpu) {
      expected |= feature::kFloatingPointPresent;
    }
    if (c.feature == feature::kSse) {
      expected |= probes.divps ? feature::kUnmaskedSseDivide : 0;
    }
    EXPECT_EQ(BuildFeatureWord(one.record, one.table.get(), probes), expected)
        << "EDX bit " << c.edx_bit;
  }
}

// Bits that depend on instruction probes, leaf counts, the vendor and signature.
TEST(CpuIdentity, FeatureBitsThatNeedMoreThanOneFlag) {
  ScriptedProbes probes;
  constexpr uint32_t kFastCall = 1u << 11;
  CannedProcessor early = WithLeaves("GenuineIntel", 1, SignatureEax(6, 1, 2), kFastCall);
  EXPECT_EQ(BuildFeatureWord(early.record, early.table.get(), probes) & feature::kFastSystemCall,
            0u);
  CannedProcessor later = WithLeaves("GenuineIntel", 1, SignatureEax(6, 1, 3), kFastCall);
  EXPECT_NE(BuildFeatureWord(later.record, later.table.get(), probes) & feature::kFastSystemCall,
            0u);
  CannedProcessor other_vendor = WithLeaves("AuthenticAMD", 1, SignatureEax(6, 1, 2), kFastCall);
  EXPECT_NE(BuildFeatureWord(other_vendor.record, other_vendor.table.get(), probes) &
                feature::kFastSystemCall,
            0u);

  // RDTSC and ADDPS must also execute; the divide test passes only without a fault.
  constexpr uint32_t kSseAll = (1u << 25) | (1u << 24) | (1u << 4);
  CannedProcessor sse = WithLeaves("AuthenticAMD", 1, 0, kSseAll);
  probes.rdtsc = false;
  probes.addps = false;
  probes.divps = true;
  uint32_t word = BuildFeatureWord(sse.record, sse.table.get(), probes);
  EXPECT_EQ(word & feature::kTimeStampCounter, 0u);
  EXPECT_EQ(word & feature::kSseExecutes, 0u);
  EXPECT_NE(word & feature::kUnmaskedSseDivide, 0u);
  // Without FXSAVE support ADDPS is not even tried.
  CannedProcessor no_fxsr = WithLeaves("AuthenticAMD", 1, 0, 1u << 25);
  probes.asked = 0;
  BuildFeatureWord(no_fxsr.record, no_fxsr.table.get(), probes);
  EXPECT_EQ(probes.asked, 1);

  // Cache information from two standard leaves or extended leaf 0x80000005.
  CannedProcessor two = WithLeaves("AuthenticAMD", 2, 0, 0);
  EXPECT_EQ(BuildFeatureWord(two.record, two.table.get(), probes),
            feature::kCpuid | feature::kCacheInfo);
  CannedProcessor ext = WithLeaves("AuthenticAMD", 1, 0, 0, 0x80000005, 1u << 31);
  EXPECT_EQ(BuildFeatureWord(ext.record, ext.table.get(), probes),
            feature::kCpuid | feature::kCacheInfo);
  // Leaf 0 only: leaf 1 counts as all clear, and no probe runs.
  CannedProcessor bare = WithLeaves("AuthenticAMD", 0, 0, 0);
  probes.asked = 0;
  EXPECT_EQ(BuildFeatureWord(bare.record, bare.table.get(), probes), feature::kCpuid);
  EXPECT_EQ(probes.asked, 0);
}

// Without CPUID only the FPU test speaks, and the class decides the second bit.
TEST(CpuIdentity, FeatureWordWithoutCpuid) {
  ScriptedProbes probes;
  ProcessorRecord record;
  record.m_processor_class = 4;
  EXPECT_EQ(BuildFeatureWord(record, nullptr, probes),
            feature::kFpu | feature::kFloatingPointPresent);
  record.m_processor_class = 3;
  EXPECT_EQ(BuildFeatureWord(record, nullptr, probes), feature::kFpu);
  probes.fpu = false;
  EXPECT_EQ(BuildFeatureWord(record, nullptr, probes), 0u);
}

// The leaf table keeps both ranges in one block and finds only stored leaves.
TEST(CpuIdentity, LeafTableRanges) {
  CpuidTable::Pointer table = CpuidTable::Create(3, 0x80000002);
  ASSERT_TRUE(table);
  EXPECT_EQ(table->StandardCount(), 4u);
  EXPECT_EQ(table->ExtendedCount(), 3u);
  EXPECT_NE(table->Find(3), nullptr);
  EXPECT_EQ(table->Find(4), nullptr);
  EXPECT_EQ(table->Find(0x80000002), table->Find(3) + 3);
  EXPECT_EQ(table->Find(0x80000003), nullptr);
  CpuidTable::Pointer standard_only = CpuidTable::Create(1, 0);
  EXPECT_EQ(standard_only->ExtendedCount(), 0u);
  EXPECT_EQ(standard_only->Find(0x80000000), nullptr);
}
