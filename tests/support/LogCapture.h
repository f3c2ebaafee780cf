#pragma once

#include <algorithm>
#include <string>
#include <vector>

#include "platform/MessageBox.h"
#include "engine/Log.h"

class ErrorReporter;

// Records, for its lifetime, every message the engine logs (whether or not
// the log's channel writes to the file) and every message box shown through
// platform::ShowMessageBox. Boxes are answered with `answer`.
//
// By default it also makes sure the log and error reporter exist (creating
// the ones that are missing and deleting them again at the end) and resets the
// reporter, so that a hard error latched by an earlier test does not silence
// this one. Pass Services::kLeaveAlone to only listen.
class LogCapture {
 public:
  enum class Services { kEnsure, kLeaveAlone };

  struct Box {
    std::string text, caption;
    unsigned flags;
  };

  explicit LogCapture(Services services = Services::kEnsure, int answer = platform::kIdOk);
  ~LogCapture();
  LogCapture(const LogCapture&) = delete;
  LogCapture& operator=(const LogCapture&) = delete;

  // Every logged message in order, each as formatted (with its own line ends).
  const std::vector<std::string>& Messages() const { return m_messages; }
  // All messages joined.
  std::string Text() const {
    std::string all;
    for (const std::string& message : m_messages) all += message;
    return all;
  }
  // True when some message equals `message` exactly.
  bool Contains(const std::string& message) const {
    return std::find(m_messages.begin(), m_messages.end(), message) != m_messages.end();
  }
  const std::vector<Box>& Boxes() const { return m_boxes; }

  void Clear() { m_messages.clear(), m_boxes.clear(); }

 private:
  std::vector<std::string> m_messages;
  std::vector<Box> m_boxes;
  Services m_services;
  int m_answer;
  Log::Observer m_previous_observer;
  platform::MessageBoxHook m_previous_hook;
  Log* m_owned_log = nullptr;
  ErrorReporter* m_owned_reporter = nullptr;
};
