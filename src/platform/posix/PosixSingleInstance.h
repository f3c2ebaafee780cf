#pragma once

#include <chrono>
#include <memory>
#include <string>

#include "platform/SingleInstance.h"

namespace platform {

class DescriptorWatcher;

// The single-instance name as a local socket in the abstract namespace, one
// per user: it disappears with the process that holds it, so a crashed
// instance never leaves a stale name behind. A later start connects and sends
// one request line, "WINDOW <title>" (answered "YES" or "NO") or
// "FOCUS <title>" (not answered). Requests from other users are ignored.
class PosixSingleInstance final : public SingleInstance {
 public:
  // `watcher` delivers the holder's requests on the user-interface thread; it
  // must outlive every name this object hands out. `answer_timeout` bounds
  // the wait for a holder that is busy or hung.
  explicit PosixSingleInstance(DescriptorWatcher& watcher,
                               std::chrono::milliseconds answer_timeout = std::chrono::seconds(5));

  bool Find(const std::string& name) override;
  bool HolderHasWindow(const std::string& name, const std::string& title) override;
  void HolderTakeFocus(const std::string& name, const std::string& title) override;
  std::unique_ptr<InstanceName> Add(const std::string& name, InstanceResponder& responder) override;

 private:
  DescriptorWatcher& m_watcher;
  std::chrono::milliseconds m_answer_timeout;
};

}  // namespace platform
