#pragma once

#include <optional>

#include "platform/GraphicsRuntime.h"

// A graphics runtime with a chosen version (nullopt: the query fails). It
// installs itself for its lifetime.
class FakeGraphicsRuntime : public platform::GraphicsRuntime {
 public:
  explicit FakeGraphicsRuntime(std::optional<platform::RuntimeVersion> version = std::nullopt)
      : m_version(version), m_previous(platform::InstallGraphicsRuntime(this)) {}

  ~FakeGraphicsRuntime() override { platform::InstallGraphicsRuntime(m_previous); }

  FakeGraphicsRuntime(const FakeGraphicsRuntime&) = delete;
  FakeGraphicsRuntime& operator=(const FakeGraphicsRuntime&) = delete;

  std::optional<platform::RuntimeVersion> QueryVersion() override { return m_version; }

 private:
  std::optional<platform::RuntimeVersion> m_version;
  platform::GraphicsRuntime* m_previous;
};
