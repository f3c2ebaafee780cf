#pragma once

#include <cstdint>

#include "resources/ResourceIds.h"

// What the main window's runtime area shows: one of the two icons and one of
// three sentences, decided once per opening of the window.
class RuntimeStatus {
 public:
  static constexpr int kReadyIconControl = resources::kMainDirectXPresent;
  static constexpr int kMissingIconControl = resources::kMainDirectXMissing;

  // From the version query: whether it succeeded, and the version it gave.
  static RuntimeStatus FromQuery(bool succeeded, std::uint32_t version);

  bool IsReady() const { return m_ready; }
  // The icon control to show; the other one is hidden.
  int VisibleIconControl() const { return m_ready ? kReadyIconControl : kMissingIconControl; }
  int HiddenIconControl() const { return m_ready ? kMissingIconControl : kReadyIconControl; }
  // String 1 (ready), 3 (an older runtime) or 2 (none).
  unsigned TextId() const { return m_text_id; }

 private:
  RuntimeStatus(bool ready, unsigned text_id) : m_ready(ready), m_text_id(text_id) {}

  bool m_ready;
  unsigned m_text_id;
};
