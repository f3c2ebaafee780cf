#include "hardware/CpuInfo.h"

#include <gtest/gtest.h>

#include <bit>

#include "hardware/FeatureWord.h"
#include "platform/Installed.h"
#include "platform/ProcessorThreads.h"
#include "support/FakeFeatureProbes.h"
#include "support/FakePerformanceCounter.h"

// On this machine's processors: identity, the features every x86-64 has, a
// plausible speed; an index past the usable ones answers nothing.
TEST(CpuInfo, IdentifiesTheRealProcessors) {
  const CpuInfo cpu_info;
  const std::optional<uint32_t> mask = platform::GetProcessAffinityMask();
  ASSERT_TRUE(mask);
  ASSERT_EQ(cpu_info.GetUsableCount(), static_cast<uint32_t>(std::popcount(*mask)));
  const uint32_t always = feature::kCpuid | feature::kFpu | feature::kTimeStampCounter |
                          feature::kMmx | feature::kSse | feature::kSseExecutes;
  for (uint32_t index = 0; index < cpu_info.GetUsableCount(); ++index) {
    ASSERT_TRUE(cpu_info.GetSignature(index));
    const std::optional<uint32_t> features = cpu_info.GetFeatures(index);
    ASSERT_TRUE(features);
    EXPECT_EQ(*features & always, always) << std::hex << *features;
    // Division by zero with the exception unmasked always faults.
    EXPECT_EQ(*features & feature::kUnmaskedSseDivide, 0u);
    const std::optional<float> speed = cpu_info.GetSpeed(index);
    ASSERT_TRUE(speed);
    EXPECT_GT(*speed, 200.0f);
    EXPECT_LT(*speed, 10000.0f);
    // Leaf 0 is stored, and with it the vendor.
    EXPECT_TRUE(cpu_info.GetCpuidLeaf(index, 0));
    EXPECT_TRUE(cpu_info.GetVendor(index));
  }
  const uint32_t past = cpu_info.GetUsableCount();
  EXPECT_FALSE(cpu_info.GetVendor(past));
  EXPECT_FALSE(cpu_info.GetFeatures(past));
  EXPECT_FALSE(cpu_info.GetCpuidLeaf(past, 0));
}

// Through the installed seams: no counter gives no speed (but still a
// vendor); a counter that faults, by a frequency below 10 or by failing
// mid-attempt, gives 100 MHz; the feature word asks the installed probes.
TEST(CpuInfo, AnswersThroughTheInstalledSeams) {
  {
    FakePerformanceCounter no_counter(0, UINT64_MAX);
    platform::Installed installed(no_counter, &platform::SetPerformanceCounter);
    EXPECT_FALSE(CpuInfo().GetSpeed(0));
    EXPECT_TRUE(CpuInfo().GetVendor(0));
  }
  for (const uint64_t reads_before_failure : {UINT64_MAX, uint64_t{500}}) {
    FakePerformanceCounter counter(reads_before_failure == UINT64_MAX ? 9 : 10'000'000,
                                   reads_before_failure);
    platform::Installed installed(counter, &platform::SetPerformanceCounter);
    EXPECT_EQ(CpuInfo().GetSpeed(0), 100.0f);
  }

  FakeFeatureProbes probes;
  probes.rdtsc = probes.addps = false;
  probes.divps = true;
  platform::Installed installed(probes, &SetFeatureProbes);
  const std::optional<uint32_t> features = CpuInfo().GetFeatures(0);
  ASSERT_TRUE(features);
  EXPECT_EQ(*features & (feature::kTimeStampCounter | feature::kSseExecutes), 0u);
  EXPECT_NE(*features & feature::kUnmaskedSseDivide, 0u);
}
