#pragma once

#include <cstdint>
#include <memory>

// One stored CPUID leaf. EDX comes before ECX so that the twelve vendor
// characters of leaf 0 (EBX, EDX, ECX) lie in order from the second word.
struct CpuidEntry {
  uint32_t eax = 0;
  uint32_t ebx = 0;
  uint32_t edx = 0;
  uint32_t ecx = 0;
};

// The CPUID leaves of one processor, kept in one block with its header: the
// standard leaves 0 to the highest standard leaf, then the extended leaves
// 0x80000000 to the highest extended leaf (none when that is 0).
class CpuidTable {
 public:
  static constexpr uint32_t kExtendedBase = 0x80000000;

  struct Deleter {
    void operator()(CpuidTable* table) const;
  };
  using Pointer = std::unique_ptr<CpuidTable, Deleter>;

  // Null when the block cannot be allocated. Entries start zeroed.
  static Pointer Create(uint32_t highest_standard, uint32_t highest_extended);

  uint32_t HighestStandard() const { return m_highest_standard; }
  uint32_t HighestExtended() const { return m_highest_extended; }
  uint64_t StandardCount() const { return uint64_t{m_highest_standard} + 1; }
  uint64_t ExtendedCount() const;

  // The entry of a standard or extended leaf; null when the table has none.
  CpuidEntry* Find(uint32_t leaf);
  const CpuidEntry* Find(uint32_t leaf) const;

 private:
  CpuidTable(uint32_t highest_standard, uint32_t highest_extended, CpuidEntry* entries);

  uint32_t m_highest_standard;
  uint32_t m_highest_extended;
  CpuidEntry* m_standard;
  CpuidEntry* m_extended;
};
