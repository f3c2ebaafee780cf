#include "hardware/CpuidTable.h"

#include <new>

CpuidTable::CpuidTable(uint32_t highest_standard, uint32_t highest_extended, CpuidEntry* entries)
    : m_highest_standard(highest_standard),
      m_highest_extended(highest_extended),
      m_standard(entries),
      m_extended(entries + StandardCount()) {}

uint64_t CpuidTable::ExtendedCount() const {
  if (m_highest_extended < kExtendedBase) {
    return 0;
  }
  return uint64_t{m_highest_extended} - kExtendedBase + 1;
}

CpuidTable::Pointer CpuidTable::Create(uint32_t highest_standard, uint32_t highest_extended) {
  const uint64_t standard_count = uint64_t{highest_standard} + 1;
  const uint64_t extended_count =
      highest_extended < kExtendedBase ? 0 : uint64_t{highest_extended} - kExtendedBase + 1;
  const uint64_t size = sizeof(CpuidTable) + (standard_count + extended_count) * sizeof(CpuidEntry);
  void* block = ::operator new(static_cast<size_t>(size), std::nothrow);
  if (block == nullptr) {
    return nullptr;
  }
  auto* entries = reinterpret_cast<CpuidEntry*>(static_cast<char*>(block) + sizeof(CpuidTable));
  for (uint64_t i = 0; i < standard_count + extended_count; ++i) {
    new (entries + i) CpuidEntry{};
  }
  return Pointer(new (block) CpuidTable(highest_standard, highest_extended, entries));
}

void CpuidTable::Deleter::operator()(CpuidTable* table) const {
  table->~CpuidTable();
  ::operator delete(table);
}

CpuidEntry* CpuidTable::Find(uint32_t leaf) {
  if (leaf < kExtendedBase) {
    return leaf <= m_highest_standard ? m_standard + leaf : nullptr;
  }
  return leaf - kExtendedBase < ExtendedCount() ? m_extended + (leaf - kExtendedBase) : nullptr;
}

const CpuidEntry* CpuidTable::Find(uint32_t leaf) const {
  return const_cast<CpuidTable*>(this)->Find(leaf);
}
