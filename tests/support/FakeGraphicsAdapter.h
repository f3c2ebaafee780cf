#pragma once

#include <cstdint>
#include <optional>

#include "platform/GraphicsAdapter.h"

// A graphics adapter with chosen capability bits (nullopt: the graphics object
// cannot be created). It installs itself for its lifetime and counts queries.
class FakeGraphicsAdapter : public platform::GraphicsAdapter {
 public:
  explicit FakeGraphicsAdapter(std::optional<uint32_t> dev_caps = std::nullopt)
      : m_dev_caps(dev_caps), m_previous(platform::InstallGraphicsAdapter(this)) {}

  ~FakeGraphicsAdapter() override { platform::InstallGraphicsAdapter(m_previous); }

  FakeGraphicsAdapter(const FakeGraphicsAdapter&) = delete;
  FakeGraphicsAdapter& operator=(const FakeGraphicsAdapter&) = delete;

  std::optional<uint32_t> QueryDefaultDeviceCaps() override {
    ++m_query_count;
    return m_dev_caps;
  }

  void SetDevCaps(std::optional<uint32_t> dev_caps) { m_dev_caps = dev_caps; }
  int QueryCount() const { return m_query_count; }

 private:
  std::optional<uint32_t> m_dev_caps;
  platform::GraphicsAdapter* m_previous;
  int m_query_count = 0;
};
