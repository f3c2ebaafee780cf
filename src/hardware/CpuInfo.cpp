#include "hardware/CpuInfo.h"

#include <bit>
#include <optional>

#include "hardware/CpuIdentity.h"
#include "hardware/FeatureProbes.h"
#include "hardware/FeatureWord.h"
#include "hardware/SpeedArithmetic.h"
#include "platform/CpuProbe.h"
#include "platform/PerformanceCounter.h"
#include "platform/ProcessorThreads.h"
#include "platform/RealTimePriority.h"

namespace {

constexpr uint32_t kAlignmentCheckFlag = 0x40000;
constexpr uint32_t kIdFlag = 0x200000;
constexpr uint32_t kTimeStampCounterBit = 1u << 4;
constexpr uint64_t kSettleTicks = 50;
constexpr uint64_t kIntervalTicks = 1000;

// Fills the processor class, CPUID availability and division-flags result.
// False when a probe faulted.
bool RunClassTest(ProcessorRecord& record) {
  record.m_processor_class = 3;
  const std::optional<uint32_t> alignment_check = platform::ProbeFlagToggle(kAlignmentCheckFlag);
  if (!alignment_check) {
    return false;
  }
  if (*alignment_check == 0) {
    return true;
  }
  record.m_processor_class = 4;
  const std::optional<uint32_t> id_flag = platform::ProbeFlagToggle(kIdFlag);
  if (!id_flag) {
    return false;
  }
  record.m_cpuid_available = *id_flag != 0;
  record.m_division_flags_result = kVendorUnknown;
  if (!record.m_cpuid_available) {
    const std::optional<uint8_t> low_flags = platform::ProbeDivisionFlags();
    if (!low_flags) {
      return false;
    }
    record.m_division_flags_result = DivisionFlagsResult(*low_flags);
  }
  return true;
}

bool SameRegisters(const platform::CpuidRegisters& a, const platform::CpuidRegisters& b) {
  return a.eax == b.eax && a.ebx == b.ebx && a.ecx == b.ecx && a.edx == b.edx;
}

// Some processors answer an extended query with the highest standard leaf, so
// an answer equal to that leaf means there are no extended leaves.
void FindHighestExtendedLeaf(void* context) {
  const platform::CpuidRegisters leaf0 = platform::ReadCpuid(0);
  const platform::CpuidRegisters top = platform::ReadCpuid(leaf0.eax);
  const platform::CpuidRegisters extended = platform::ReadCpuid(CpuidTable::kExtendedBase);
  uint32_t highest = 0;
  if (!SameRegisters(top, extended) && (extended.eax & 0x80000000) != 0) {
    highest = extended.eax;
  }
  *static_cast<uint32_t*>(context) = highest;
}

// A fault while looking gives no extended leaves.
uint32_t HighestExtendedLeaf() {
  uint32_t highest = 0;
  if (!platform::RunWithFaultGuard(&FindHighestExtendedLeaf, &highest)) {
    return 0;
  }
  return highest;
}

void StoreLeaf(CpuidTable& table, uint32_t leaf) {
  const platform::CpuidRegisters registers = platform::ReadCpuid(leaf);
  CpuidEntry* entry = table.Find(leaf);
  entry->eax = registers.eax;
  entry->ebx = registers.ebx;
  entry->edx = registers.edx;
  entry->ecx = registers.ecx;
}

// Every leaf under one guard: installing the fault handlers once per table
// rather than once per leaf.
void FillLeafTable(void* context) {
  CpuidTable& table = *static_cast<CpuidTable*>(context);
  for (uint64_t i = 0; i < table.StandardCount(); ++i) {
    StoreLeaf(table, static_cast<uint32_t>(i));
  }
  for (uint64_t i = 0; i < table.ExtendedCount(); ++i) {
    StoreLeaf(table, static_cast<uint32_t>(CpuidTable::kExtendedBase + i));
  }
}

// Null when a query faulted or the block could not be allocated.
CpuidTable::Pointer BuildLeafTable() {
  const std::optional<platform::CpuidRegisters> leaf0 = platform::ProbeCpuid(0);
  if (!leaf0) {
    return nullptr;
  }
  CpuidTable::Pointer table = CpuidTable::Create(leaf0->eax, HighestExtendedLeaf());
  if (!table || !platform::RunWithFaultGuard(&FillLeafTable, table.get())) {
    return nullptr;
  }
  return table;
}

struct Measurement {
  platform::PerformanceCounter* counter = nullptr;
  uint32_t frequency = 0;
  SpeedOutcome outcome;
};

// `ok` turns false when the counter stops answering.
uint64_t ReadCounter(platform::PerformanceCounter& counter, bool& ok) {
  const std::optional<uint64_t> ticks = counter.QueryCounter();
  ok = ticks.has_value();
  return ticks.value_or(0);
}

// One attempt: settle on a fresh counter tick, then count processor cycles
// over about 1000 ticks. A counter that stops answering gives an empty
// interval, which the arithmetic treats as a fault.
CounterReadings TakeReadings(platform::PerformanceCounter& counter) {
  bool ok = true;
  const uint64_t start = ReadCounter(counter, ok);
  uint64_t settled = start;
  while (ok && settled - start < kSettleTicks) {
    settled = ReadCounter(counter, ok);
  }
  const uint64_t c0 = platform::ReadTimeStampCounter();
  uint64_t end = settled;
  while (ok && end - settled < kIntervalTicks) {
    end = ReadCounter(counter, ok);
  }
  const uint64_t c1 = platform::ReadTimeStampCounter();
  if (!ok) {
    end = settled;
  }
  return {static_cast<uint32_t>(settled), static_cast<uint32_t>(end), static_cast<uint32_t>(c0),
          static_cast<uint32_t>(c1)};
}

void MeasureUnderGuard(void* context) {
  auto& measurement = *static_cast<Measurement*>(context);
  measurement.outcome = SpeedFromReadings(
      measurement.frequency, [&measurement] { return TakeReadings(*measurement.counter); });
}

// The clock speed in MHz: 0.0 without a performance counter, nullopt when the
// measurement faulted.
std::optional<float> MeasureSpeed() {
  platform::PerformanceCounter& counter = platform::GetPerformanceCounter();
  const std::optional<uint64_t> frequency = counter.QueryFrequency();
  if (!frequency) {
    return 0.0f;
  }
  const platform::RealTimePriority priority;
  Measurement measurement;
  measurement.counter = &counter;
  measurement.frequency = static_cast<uint32_t>(*frequency);
  if (!platform::RunWithFaultGuard(&MeasureUnderGuard, &measurement)) {
    return std::nullopt;
  }
  return measurement.outcome.speed;
}

}  // namespace

CpuInfo::CpuInfo() {
  const platform::SystemInfo system = platform::GetSystemInfo();
  m_processor_count = system.processor_count;
  m_active_processor_mask = system.active_processor_mask;
  const std::optional<uint32_t> affinity = platform::GetProcessAffinityMask();
  if (!affinity) {
    return;
  }
  m_process_affinity_mask = *affinity;
  m_usable_count = static_cast<uint32_t>(std::popcount(m_process_affinity_mask));
  m_next_processor = 0;
  m_examined_count = 0;
  for (; m_next_processor < m_processor_count && m_next_processor < kMaxProcessors;
       ++m_next_processor) {
    if ((m_process_affinity_mask & (1u << m_next_processor)) == 0) {
      continue;
    }
    const std::optional<uint32_t> exit_code =
        platform::RunPinnedThread(m_next_processor, &CpuInfo::RunWorker, this);
    if (exit_code.value_or(0) == 0) {
      m_tables[m_examined_count].reset();
      m_records[m_examined_count].reset();
    }
    ++m_examined_count;
  }
  m_initialised = true;
}

CpuInfo::~CpuInfo() = default;

uint32_t CpuInfo::RunWorker(void* self) {
  return static_cast<CpuInfo*>(self)->Work();
}

// Runs on the processor being examined; the constructor waits meanwhile, so
// the slots are touched by one thread at a time.
uint32_t CpuInfo::Work() {
  const uint32_t slot = m_examined_count;
  m_tables[slot].reset();
  m_records[slot].reset();

  auto record = std::make_unique<ProcessorRecord>();
  if (!RunClassTest(*record)) {
    return 0;
  }
  record->m_speed = 100.0f;
  if (!record->m_cpuid_available) {
    m_records[slot] = std::move(record);
    return 1;
  }
  CpuidTable::Pointer table = BuildLeafTable();
  if (!table) {
    return 0;
  }
  const CpuidEntry* leaf1 = table->HighestStandard() >= 1 ? table->Find(1) : nullptr;
  if (leaf1 != nullptr && (leaf1->edx & kTimeStampCounterBit) != 0) {
    // A fault while timing leaves the unmeasured 100 MHz.
    record->m_speed = MeasureSpeed().value_or(100.0f);
  }
  m_records[slot] = std::move(record);
  m_tables[slot] = std::move(table);
  return 1;
}

const ProcessorRecord* CpuInfo::RecordAt(uint32_t index) const {
  if (!m_initialised || index >= m_usable_count || index >= kMaxProcessors) {
    return nullptr;
  }
  return m_records[index].get();
}

std::optional<int32_t> CpuInfo::GetVendor(uint32_t index) const {
  const ProcessorRecord* record = RecordAt(index);
  if (record == nullptr) {
    return std::nullopt;
  }
  if (!record->m_cpuid_available || !m_tables[index]) {
    return record->m_division_flags_result;
  }
  return DecodeVendor(*m_tables[index]->Find(0));
}

std::optional<CpuSignature> CpuInfo::GetSignature(uint32_t index) const {
  const ProcessorRecord* record = RecordAt(index);
  if (record == nullptr || !record->m_cpuid_available || !m_tables[index] ||
      m_tables[index]->HighestStandard() == 0) {
    return std::nullopt;
  }
  return DecodeSignature(m_tables[index]->Find(1)->eax);
}

std::optional<uint32_t> CpuInfo::GetFeatures(uint32_t index) const {
  const ProcessorRecord* record = RecordAt(index);
  if (record == nullptr) {
    return std::nullopt;
  }
  return BuildFeatureWord(*record, m_tables[index].get(), GetFeatureProbes());
}

std::optional<float> CpuInfo::GetSpeed(uint32_t index) const {
  const ProcessorRecord* record = RecordAt(index);
  if (record == nullptr || record->m_speed == 0.0f) {
    return std::nullopt;
  }
  return record->m_speed;
}

std::optional<platform::CpuidRegisters> CpuInfo::GetCpuidLeaf(uint32_t index,
                                                              uint32_t leaf) const {
  if (RecordAt(index) == nullptr || !m_tables[index]) {
    return std::nullopt;
  }
  const CpuidEntry* entry = m_tables[index]->Find(leaf);
  if (entry == nullptr) {
    return std::nullopt;
  }
  return platform::CpuidRegisters{entry->eax, entry->ebx, entry->ecx, entry->edx};
}
