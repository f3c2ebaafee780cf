#pragma once

#include <atomic>
#include <chrono>
#include <condition_variable>
#include <mutex>
#include <optional>
#include <thread>

#include "hardware/SpeedSource.h"

// A first processor of a chosen speed whose measurement waits until the test
// opens the gate; it counts the measurements begun and ended, and keeps the
// thread of the last.
struct GatedSpeedSource final : SpeedSource {
  explicit GatedSpeedSource(float mhz) : speed(mhz) {}
  std::optional<float> FirstProcessorSpeed() override {
    ++begun;
    {
      std::unique_lock lock(m_mutex);
      m_opened.wait(lock, [this] { return m_open; });
    }
    last_thread = std::this_thread::get_id();
    ++ended;
    return speed.load();
  }

  void Open() {
    {
      std::lock_guard lock(m_mutex);
      m_open = true;
    }
    m_opened.notify_all();
  }
  // Whether a measurement has begun within a second.
  bool WaitForBegun() const {
    for (int waited_ms = 0; begun == 0 && waited_ms < 1000; ++waited_ms) {
      std::this_thread::sleep_for(std::chrono::milliseconds(1));
    }
    return begun > 0;
  }

  std::atomic<float> speed;
  std::atomic<int> begun{0}, ended{0};
  std::atomic<std::thread::id> last_thread;

 private:
  // Not std::latch: in the Windows build's standard library its wait once
  // missed the wake-up and hung the test under Wine.
  std::mutex m_mutex;
  std::condition_variable m_opened;
  bool m_open = false;
};
