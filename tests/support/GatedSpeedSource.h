#pragma once

#include <chrono>
#include <condition_variable>
#include <mutex>
#include <optional>
#include <thread>

#include "hardware/SpeedSource.h"

// A first processor of a chosen speed whose measurement waits until the test
// opens the gate; it records the measurements, the thread of the last, and
// whether one has begun or ended.
class GatedSpeedSource final : public SpeedSource {
 public:
  explicit GatedSpeedSource(float mhz) : m_speed(mhz) {}

  std::optional<float> FirstProcessorSpeed() override {
    std::unique_lock<std::mutex> lock(m_mutex);
    ++m_begun;
    m_changed.notify_all();
    m_changed.wait(lock, [this] { return m_open; });
    ++m_ended;
    m_last_thread = std::this_thread::get_id();
    return m_speed;
  }

  void Open() {
    const std::lock_guard<std::mutex> lock(m_mutex);
    m_open = true;
    m_changed.notify_all();
  }
  void SetSpeed(float mhz) {
    const std::lock_guard<std::mutex> lock(m_mutex);
    m_speed = mhz;
  }
  // Waits until `count` measurements have begun, or a second has passed.
  bool WaitForBegun(int count) {
    std::unique_lock<std::mutex> lock(m_mutex);
    return m_changed.wait_for(lock, std::chrono::seconds(1), [&] { return m_begun >= count; });
  }
  int Ended() {
    const std::lock_guard<std::mutex> lock(m_mutex);
    return m_ended;
  }
  std::thread::id LastThread() {
    const std::lock_guard<std::mutex> lock(m_mutex);
    return m_last_thread;
  }

 private:
  std::mutex m_mutex;
  std::condition_variable m_changed;
  bool m_open = false;
  float m_speed;
  int m_begun = 0;
  int m_ended = 0;
  std::thread::id m_last_thread;
};
