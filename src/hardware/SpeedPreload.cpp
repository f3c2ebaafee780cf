#include "hardware/SpeedPreload.h"

#include <system_error>

SpeedPreload::SpeedPreload(SpeedSource& measured) : m_measured(measured) {
  try {
    m_thread = std::thread([this] { m_early = m_measured.FirstProcessorSpeed(); });
  } catch (const std::system_error&) {
    // Without a thread the first answer is measured when it is asked for.
  }
}

SpeedPreload::~SpeedPreload() {
  if (m_thread.joinable()) {
    m_thread.join();
  }
}

std::optional<float> SpeedPreload::FirstProcessorSpeed() {
  if (m_thread.joinable()) {
    m_thread.join();
    return m_early;
  }
  return m_measured.FirstProcessorSpeed();
}
