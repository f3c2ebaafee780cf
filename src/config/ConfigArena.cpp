#include "config/ConfigArena.h"

#include <algorithm>
#include <cstdint>
#include <cstring>

std::string_view ConfigArena::Store(std::string_view text) {
  if (text.empty()) {
    return {};
  }
  auto* copy = static_cast<char*>(allocate(text.size(), 1));
  std::memcpy(copy, text.data(), text.size());
  return {copy, text.size()};
}

void* ConfigArena::do_allocate(std::size_t bytes, std::size_t alignment) {
  auto padding = [&] {
    const auto address = reinterpret_cast<std::uintptr_t>(m_next);
    return static_cast<std::size_t>((alignment - address % alignment) % alignment);
  };
  if (m_next == nullptr || padding() + bytes > m_left) {
    // A request larger than a quarter block (a very long line) gets a
    // block of its own, so the current block's free space is kept.
    if (bytes > m_next_block_size / 4) {
      m_blocks.push_back(std::make_unique_for_overwrite<std::byte[]>(bytes));
      return m_blocks.back().get();
    }
    m_blocks.push_back(std::make_unique_for_overwrite<std::byte[]>(m_next_block_size));
    m_next = m_blocks.back().get();
    m_left = m_next_block_size;
    m_next_block_size = std::min(m_next_block_size * 2, kLargestBlockSize);
  }
  const std::size_t skip = padding();
  std::byte* result = m_next + skip;
  m_next += skip + bytes;
  m_left -= skip + bytes;
  return result;
}
