#pragma once

#include <cstddef>
#include <memory>
#include <memory_resource>
#include <string_view>
#include <vector>

// The storage of one ConfigFile: its names, values and map nodes are carved
// from large blocks and freed together with the file. A ConfigFile lives for
// one load or one store and removes nothing, so per-item frees would only cost
// time, and per-item heap headers would cost a third of the memory of a large
// file.
class ConfigArena : public std::pmr::memory_resource {
 public:
  ConfigArena() = default;
  ~ConfigArena() override = default;

  ConfigArena(const ConfigArena&) = delete;
  ConfigArena& operator=(const ConfigArena&) = delete;

  // A copy of the bytes, owned by the arena.
  std::string_view Store(std::string_view text);

 private:
  void* do_allocate(std::size_t bytes, std::size_t alignment) override;
  void do_deallocate(void*, std::size_t, std::size_t) override {}
  bool do_is_equal(const std::pmr::memory_resource& other) const noexcept override {
    return this == &other;
  }

  // Blocks grow from the first size to the largest, so a small file costs
  // little and a large one few allocations.
  static constexpr std::size_t kFirstBlockSize = 4 * 1024;
  static constexpr std::size_t kLargestBlockSize = 1024 * 1024;

  std::vector<std::unique_ptr<std::byte[]>> m_blocks;
  std::byte* m_next = nullptr;
  std::size_t m_left = 0;
  std::size_t m_next_block_size = kFirstBlockSize;
};
