#pragma once

#include <algorithm>
#include <memory>
#include <numeric>
#include <string>
#include <vector>

#include "engine/ErrorReporter.h"
#include "engine/Log.h"
#include "platform/Installed.h"
#include "platform/MessageBox.h"
#include "support/FakeMessageBox.h"

// Records, for its lifetime, every message the engine logs (whether or not
// the log's channel writes to the file) and every message box shown through
// platform::GetMessageBox(), answering OK.
//
// By default it also makes sure the log and error reporter exist (creating
// the ones that are missing and deleting them again at the end) and resets the
// reporter, so that a hard error latched by an earlier test does not silence
// this one. Pass Services::kLeaveAlone to only listen.
class LogCapture {
 public:
  enum class Services { kEnsure, kLeaveAlone };

  using Box = FakeMessageBox::Box;

  explicit LogCapture(Services services = Services::kEnsure)
      : m_ensure(services == Services::kEnsure) {
    if (m_ensure) {
      if (ErrorReporter::s_instance == nullptr) m_owned_reporter.reset(new ErrorReporter());
      if (Log::s_instance == nullptr) m_owned_log.reset(new Log());
      ErrorReporter::s_instance->Reset();
    }
    m_previous_observer =
        Log::SetObserver([this](const char* text) { m_messages.push_back(text); });
  }
  ~LogCapture() {
    Log::SetObserver(std::move(m_previous_observer));
    // Leave no latched hard error behind for the next test.
    if (m_ensure && ErrorReporter::s_instance) ErrorReporter::s_instance->Reset();
  }

  // Every logged message in order, each as formatted (with its own line ends).
  const std::vector<std::string>& Messages() const { return m_messages; }
  // All messages joined.
  std::string Text() const {
    return std::accumulate(m_messages.begin(), m_messages.end(), std::string());
  }
  // True when some message equals `message` exactly.
  bool Contains(const std::string& message) const {
    return std::find(m_messages.begin(), m_messages.end(), message) != m_messages.end();
  }
  const std::vector<Box>& Boxes() const { return m_boxes.boxes; }

  void Clear() { m_messages.clear(), m_boxes.boxes.clear(); }

 private:
  std::vector<std::string> m_messages;
  bool m_ensure;
  FakeMessageBox m_boxes;
  platform::Installed<platform::MessageBox> m_installed_boxes{m_boxes, &platform::SetMessageBox};
  Log::Observer m_previous_observer;
  std::unique_ptr<ErrorReporter> m_owned_reporter;
  std::unique_ptr<Log> m_owned_log;  // released first, as the log came last
};
