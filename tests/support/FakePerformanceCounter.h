#pragma once

#include <atomic>
#include <cstdint>
#include <optional>

#include "platform/PerformanceCounter.h"

// A performance counter that advances by a fixed step on every read. Without
// a frequency it reports no counter; after `reads_before_failure` reads it
// stops answering. It installs itself for its lifetime.
class FakePerformanceCounter : public platform::PerformanceCounter {
 public:
  explicit FakePerformanceCounter(std::optional<uint64_t> frequency, uint64_t step = 1,
                                  uint64_t reads_before_failure = UINT64_MAX)
      : m_frequency(frequency),
        m_step(step),
        m_reads_before_failure(reads_before_failure),
        m_previous(platform::InstallPerformanceCounter(this)) {}

  ~FakePerformanceCounter() override { platform::InstallPerformanceCounter(m_previous); }

  FakePerformanceCounter(const FakePerformanceCounter&) = delete;
  FakePerformanceCounter& operator=(const FakePerformanceCounter&) = delete;

  bool QueryFrequency(uint64_t& frequency) override {
    if (m_frequency) frequency = *m_frequency;
    return m_frequency.has_value();
  }

  bool QueryCounter(uint64_t& ticks) override {
    if (!m_frequency || m_reads.fetch_add(1) >= m_reads_before_failure) {
      return false;
    }
    ticks = m_ticks.fetch_add(m_step) + m_step;
    return true;
  }

 private:
  std::optional<uint64_t> m_frequency;
  uint64_t m_step;
  uint64_t m_reads_before_failure;
  platform::PerformanceCounter* m_previous;
  std::atomic<uint64_t> m_ticks{0};
  std::atomic<uint64_t> m_reads{0};
};
