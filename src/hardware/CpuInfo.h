#pragma once

#include <array>
#include <cstdint>
#include <memory>
#include <optional>

#include "hardware/CpuIdentity.h"
#include "hardware/CpuidTable.h"
#include "hardware/ProcessorRecord.h"
#include "platform/CpuProbe.h"

// Identifies every processor that the process may run on and measures each
// one's clock speed. The constructor does all the work: one worker thread per
// processor of the affinity mask, pinned to it, run one at a time. Queries
// answer by index: the k-th processor of the mask has index k.
class CpuInfo {
 public:
  static constexpr uint32_t kMaxProcessors = 32;

  CpuInfo();
  ~CpuInfo();

  CpuInfo(const CpuInfo&) = delete;
  CpuInfo& operator=(const CpuInfo&) = delete;

  // Each query answers nothing before the construction ran to its end, for
  // an index outside the usable processors or for a processor that could
  // not be examined.

  // 0 "GenuineIntel", 1 "AuthenticAMD", 2 "CyrixInstead", 3 "CentaurHauls",
  // -1 any other; without CPUID the division-flags result (2 or -1).
  std::optional<int32_t> GetVendor(uint32_t index) const;
  // Family, model, stepping and type from CPUID leaf 1.
  std::optional<CpuSignature> GetSignature(uint32_t index) const;
  // The feature word. Its instruction probes run on the calling thread.
  std::optional<uint32_t> GetFeatures(uint32_t index) const;
  // The clock speed in MHz; nothing also when it could not be timed (no
  // counter).
  std::optional<float> GetSpeed(uint32_t index) const;
  // A stored CPUID leaf, standard or extended; nothing also when it was not
  // stored.
  std::optional<platform::CpuidRegisters> GetCpuidLeaf(uint32_t index, uint32_t leaf) const;

  uint32_t GetUsableCount() const { return m_usable_count; }

 private:
  static uint32_t RunWorker(void* self);
  uint32_t Work();
  const ProcessorRecord* RecordAt(uint32_t index) const;

  bool m_initialised = false;
  uint32_t m_processor_count = 0;
  uint32_t m_usable_count = 0;
  uint32_t m_active_processor_mask = 0;
  uint32_t m_process_affinity_mask = 0;
  std::array<CpuidTable::Pointer, kMaxProcessors> m_tables;
  std::array<std::unique_ptr<ProcessorRecord>, kMaxProcessors> m_records;
  uint32_t m_next_processor = 0;
  uint32_t m_examined_count = 0;
};
