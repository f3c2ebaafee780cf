#pragma once

#include <poll.h>

#include <atomic>
#include <functional>
#include <thread>

#include "platform/DescriptorWatcher.h"

// Stands in for the user-interface event loop: a thread that polls the one
// watched descriptor and runs its callback. One that does not run stands for
// a holder that is alive but hung.
class FakeDescriptorWatcher final : public platform::DescriptorWatcher {
 public:
  explicit FakeDescriptorWatcher(bool runs = true) : m_runs(runs) {}
  ~FakeDescriptorWatcher() override { Unwatch(-1); }
  void Watch(int descriptor, std::function<void()> on_readable) override {
    m_stop = false;
    if (!m_runs) return;
    m_thread = std::thread([this, descriptor, on_readable = std::move(on_readable)] {
      for (pollfd entry{descriptor, POLLIN, 0}; !m_stop;) {
        if (::poll(&entry, 1, 20) > 0) on_readable();
      }
    });
  }
  void Unwatch(int) override {
    m_stop = true;
    if (m_thread.joinable()) m_thread.join();
  }

 private:
  bool m_runs;
  std::atomic<bool> m_stop{false};
  std::thread m_thread;
};
