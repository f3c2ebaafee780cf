#include "hardware/CpuInfo.h"

#include <gtest/gtest.h>

#include <bit>

#include "hardware/FeatureWord.h"
#include "platform/CpuProbe.h"
#include "platform/ProcessorThreads.h"
#include "support/FakePerformanceCounter.h"

namespace {

// Restores the calling thread's processor mask when the test ends.
struct AffinityRestorer {
  AffinityRestorer() { platform::GetProcessAffinityMask(saved); }
  ~AffinityRestorer() { platform::SetProcessAffinityMask(saved); }
  uint32_t saved = 0;
};

uint32_t InitialApicId(const platform::CpuidRegisters& leaf1) {
  return leaf1.ebx >> 24;
}

uint32_t ReadApicIdHere(void* out) {
  platform::CpuidRegisters leaf1;
  platform::ProbeCpuid(1, leaf1);
  *static_cast<uint32_t*>(out) = InitialApicId(leaf1);
  return 1;
}

}  // namespace

// On this machine's processors: identity, the features every x86-64 has, a plausible speed.
TEST(CpuInfo, IdentifiesTheRealProcessors) {
  const CpuInfo cpu_info;
  uint32_t mask = 0;
  ASSERT_TRUE(platform::GetProcessAffinityMask(mask));
  ASSERT_EQ(cpu_info.GetUsableCount(), static_cast<uint32_t>(std::popcount(mask)));
  for (uint32_t index = 0; index < cpu_info.GetUsableCount(); ++index) {
    uint32_t family = 0, model = 0, stepping = 0, type = 99, features = 0;
    ASSERT_TRUE(cpu_info.GetSignature(index, family, model, stepping, type));
    EXPECT_GE(family, 6u);
    EXPECT_EQ(type, 0u);
    ASSERT_TRUE(cpu_info.GetFeatures(index, features));
    const uint32_t always = feature::kCpuid | feature::kFpu | feature::kTimeStampCounter |
                            feature::kMmx | feature::kSse | feature::kSseExecutes |
                            feature::kConditionalMove | feature::kFloatingPointPresent |
                            feature::kFloatingPointMultimedia | feature::kStreamingSimd;
    EXPECT_EQ(features & always, always) << std::hex << features;
    // Division by zero with the exception unmasked always faults.
    EXPECT_EQ(features & feature::kUnmaskedSseDivide, 0u);
    float speed = 0.0f;
    ASSERT_TRUE(cpu_info.GetSpeed(index, speed));
    EXPECT_GT(speed, 200.0f);
    EXPECT_LT(speed, 10000.0f);
  }
  int32_t vendor = 1234;
  float speed = -1.0f;
  EXPECT_FALSE(cpu_info.GetVendor(cpu_info.GetUsableCount(), vendor));
  EXPECT_FALSE(cpu_info.GetSpeed(CpuInfo::kMaxProcessors, speed));
  EXPECT_EQ(vendor, 1234);
  EXPECT_EQ(speed, -1.0f);
}

// A mask with a hole: processor 1 alone becomes index 0, and index 1 does not exist.
TEST(CpuInfo, DenseIndexesOverAnAffinityMaskWithHoles) {
  AffinityRestorer restorer;
  if ((restorer.saved & 0b11) != 0b11) {
    GTEST_SKIP() << "needs processors 0 and 1";
  }
  uint32_t apic_of_0 = 0;
  uint32_t apic_of_1 = 0;
  uint32_t exit_code = 0;
  ASSERT_TRUE(platform::RunPinnedThread(0, &ReadApicIdHere, &apic_of_0, exit_code));
  ASSERT_TRUE(platform::RunPinnedThread(1, &ReadApicIdHere, &apic_of_1, exit_code));
  ASSERT_NE(apic_of_0, apic_of_1);

  ASSERT_TRUE(platform::SetProcessAffinityMask(0b10));
  const CpuInfo cpu_info;
  EXPECT_EQ(cpu_info.GetUsableCount(), 1u);
  platform::CpuidRegisters leaf1;
  ASSERT_TRUE(cpu_info.GetCpuidLeaf(0, 1, leaf1));
  EXPECT_EQ(InitialApicId(leaf1), apic_of_1);
  float speed = 0.0f;
  EXPECT_TRUE(cpu_info.GetSpeed(0, speed));
  EXPECT_FALSE(cpu_info.GetSpeed(1, speed));
  EXPECT_FALSE(cpu_info.GetCpuidLeaf(1, 1, leaf1));

  // With both processors each index is its own processor.
  ASSERT_TRUE(platform::SetProcessAffinityMask(0b11));
  const CpuInfo both;
  ASSERT_TRUE(both.GetCpuidLeaf(0, 1, leaf1));
  EXPECT_EQ(InitialApicId(leaf1), apic_of_0);
  ASSERT_TRUE(both.GetCpuidLeaf(1, 1, leaf1));
  EXPECT_EQ(InitialApicId(leaf1), apic_of_1);
}

// No counter gives no speed (but still a vendor); a counter that faults, by a frequency below
// 10 or by failing mid-attempt, gives 100 MHz.
TEST(CpuInfo, SpeedWhenTheCounterMisbehaves) {
  float speed = -1.0f;
  int32_t vendor = -2;
  {
    FakePerformanceCounter no_counter(std::nullopt);
    const CpuInfo cpu_info;
    EXPECT_FALSE(cpu_info.GetSpeed(0, speed));
    EXPECT_TRUE(cpu_info.GetVendor(0, vendor));
  }
  for (const uint64_t reads_before_failure : {UINT64_MAX, uint64_t{500}}) {
    FakePerformanceCounter counter(reads_before_failure == UINT64_MAX ? 9 : 10'000'000, 1,
                                   reads_before_failure);
    const CpuInfo cpu_info;
    ASSERT_TRUE(cpu_info.GetSpeed(0, speed));
    EXPECT_EQ(speed, 100.0f);
  }
}
