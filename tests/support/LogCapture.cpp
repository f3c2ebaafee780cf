#include "support/LogCapture.h"

#include "engine/ErrorReporter.h"

LogCapture::LogCapture(Services services, int answer) : m_services(services), m_answer(answer) {
  if (services == Services::kEnsure) {
    if (ErrorReporter::s_instance == nullptr) m_owned_reporter = new ErrorReporter();
    if (Log::s_instance == nullptr) m_owned_log = new Log();
    ErrorReporter::s_instance->Reset();
  }
  m_previous_observer =
      Log::SetObserver([this](const char* text) { m_messages.emplace_back(text); });
  m_previous_hook = platform::SetMessageBoxHook(
      [this](const std::string& text, const std::string& caption, unsigned flags) {
        m_boxes.push_back({text, caption, flags});
        return m_answer;
      });
}

LogCapture::~LogCapture() {
  platform::SetMessageBoxHook(std::move(m_previous_hook));
  Log::SetObserver(std::move(m_previous_observer));
  delete m_owned_log;
  if (m_owned_reporter != nullptr) {
    delete m_owned_reporter;
  } else if (m_services == Services::kEnsure && ErrorReporter::s_instance != nullptr) {
    // Leave no latched hard error behind for the next test.
    ErrorReporter::s_instance->Reset();
  }
}
