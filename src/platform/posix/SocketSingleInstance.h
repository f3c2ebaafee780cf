#pragma once

#include <chrono>
#include <memory>
#include <string>

#include "platform/SingleInstance.h"

namespace platform {

// The single-instance name as a local socket in the abstract namespace, one
// per user: it disappears with the process that holds it, so a crashed
// instance never leaves a stale name behind. A later start connects and sends
// one request line, "WINDOW <title>" (answered "YES" or "NO") or
// "FOCUS <title>" (not answered). Requests from other users are ignored.
//
// The holder hears of requests through the DescriptorWatcher installed when
// it took the name (that watcher must outlive the name) and answers them
// through the InstanceResponder installed when they come.
class SocketSingleInstance final : public SingleInstance {
 public:
  // `answer_timeout` bounds the wait for a holder that is busy or hung.
  explicit SocketSingleInstance(std::chrono::milliseconds answer_timeout = std::chrono::seconds(5));

  bool Find(const std::string& name) override;
  bool HolderHasWindow(const std::string& name, const std::string& title) override;
  void HolderTakeFocus(const std::string& name, const std::string& title) override;
  std::unique_ptr<InstanceName> Add(const std::string& name) override;

 private:
  std::chrono::milliseconds m_answer_timeout;
};

}  // namespace platform
