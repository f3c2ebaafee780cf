#include "hardware/CpuIdentity.h"

#include <gtest/gtest.h>

#include <cstring>
#include <tuple>
#include <utility>

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

// Answers for the instruction probes and counts the questions.
struct ScriptedProbes : FeatureProbes {
  bool fpu = true, rdtsc = true, addps = true, divps = false;
  int asked = 0;
  bool FpuTestPasses() override { return ++asked, fpu; }
  bool TimeStampCounterExecutes() override { return ++asked, rdtsc; }
  bool PackedAddExecutes() override { return ++asked, addps; }
  bool UnmaskedDivideExecutes() override { return ++asked, divps; }
};

// The feature word of a processor with CPUID whose leaves hold the given registers.
uint32_t WordFor(ScriptedProbes& probes, const char* vendor, uint32_t highest_standard,
                 uint32_t leaf1_eax, uint32_t leaf1_edx, uint32_t highest_extended = 0,
                 uint32_t ext_edx = 0) {
  ProcessorRecord record;
  record.m_cpuid_available = true;
  record.m_processor_class = 4;
  CpuidTable::Pointer table = CpuidTable::Create(highest_standard, highest_extended);
  *table->Find(0) = VendorLeaf(vendor);
  table->Find(0)->eax = highest_standard;
  if (highest_standard >= 1) {
    table->Find(1)->eax = leaf1_eax;
    table->Find(1)->edx = leaf1_edx;
  }
  if (highest_extended >= 0x80000001) {
    table->Find(0x80000001)->edx = ext_edx;
  }
  return BuildFeatureWord(record, table.get(), probes);
}

}  // namespace

// Vendor strings are matched exactly, in twelve case-sensitive characters.
TEST(CpuIdentity, DecodesVendorStrings) {
  const std::pair<const char*, int> cases[] = {{"GenuineIntel", 0},  {"AuthenticAMD", 1},
                                               {"CyrixInstead", 2},  {"CentaurHauls", 3},
                                               {"centaurHauls", -1}, {"HygonGenuine", -1}};
  for (const auto& [vendor, expected] : cases) {
    EXPECT_EQ(DecodeVendor(VendorLeaf(vendor)), expected) << vendor;
  }
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
  const uint32_t word = WordFor(probes, "AuthenticAMD", 1, SignatureEax(6, 8, 1), 0xFFFFFFFF,
                                0x80000008, (1u << 31) | (1u << 23) | (1u << 27));
  EXPECT_EQ(word, 0xF3FFFEFFu & ~feature::kUnmaskedSseDivide);

  const std::pair<unsigned, uint32_t> cases[] = {
      {0, 0x00000002}, {23, 0x00000008}, {15, 0x00000010}, {9, 0x00000020},  {4, 0x00000040},
      {8, 0x00000080}, {2, 0x00000200},  {1, 0x00000400},  {3, 0x00000800},  {5, 0x00001000},
      {6, 0x00002000}, {11, 0x00004000}, {13, 0x00008000}, {14, 0x00010000}, {16, 0x00020000},
      {7, 0x00040000}, {12, 0x00080000}, {25, 0x00100000}, {18, 0x00800000}, {17, 0x01000000}};
  for (const auto& [edx_bit, bit] : cases) {
    const uint32_t derived = bit == feature::kFpu ? feature::kFloatingPointPresent : 0;
    EXPECT_EQ(WordFor(probes, "AuthenticAMD", 1, 0, 1u << edx_bit), feature::kCpuid | bit | derived)
        << "EDX bit " << edx_bit;
  }
}

// Bits that depend on instruction probes, leaf counts, the vendor and signature.
TEST(CpuIdentity, FeatureBitsThatNeedMoreThanOneFlag) {
  ScriptedProbes probes;
  // The fast system call bit is ignored on one vendor's family 6 before model 1 stepping 3.
  const std::tuple<const char*, uint32_t, bool> fast_calls[] = {
      {"GenuineIntel", SignatureEax(6, 1, 2), false},
      {"GenuineIntel", SignatureEax(6, 1, 3), true},
      {"AuthenticAMD", SignatureEax(6, 1, 2), true}};
  for (const auto& [vendor, signature, kept] : fast_calls) {
    EXPECT_EQ((WordFor(probes, vendor, 1, signature, 1u << 11) & feature::kFastSystemCall) != 0,
              kept);
  }

  // RDTSC and ADDPS must also execute; the divide test passes only without a fault.
  probes.rdtsc = false;
  probes.addps = false;
  probes.divps = true;
  const uint32_t word = WordFor(probes, "AuthenticAMD", 1, 0, (1u << 25) | (1u << 24) | (1u << 4));
  EXPECT_EQ(word & (feature::kTimeStampCounter | feature::kSseExecutes), 0u);
  EXPECT_NE(word & feature::kUnmaskedSseDivide, 0u);
  // Without FXSAVE support ADDPS is not even tried.
  probes.asked = 0;
  WordFor(probes, "AuthenticAMD", 1, 0, 1u << 25);
  EXPECT_EQ(probes.asked, 1);

  // Cache information from two standard leaves or extended leaf 0x80000005.
  const uint32_t cache = feature::kCpuid | feature::kCacheInfo;
  EXPECT_EQ(WordFor(probes, "AuthenticAMD", 2, 0, 0), cache);
  EXPECT_EQ(WordFor(probes, "AuthenticAMD", 1, 0, 0, 0x80000005, 1u << 31), cache);
  // Leaf 0 only: leaf 1 counts as all clear, and no probe runs.
  probes.asked = 0;
  EXPECT_EQ(WordFor(probes, "AuthenticAMD", 0, 0, 0), feature::kCpuid);
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
