#pragma once

#include <chrono>
#include <memory>
#include <string>

#include "platform/SingleInstance.h"

namespace platform {

// The single-instance name as a local socket file in a folder that only this
// user may enter: the session's runtime folder ($XDG_RUNTIME_DIR), else a
// folder of the program's own in the temporary folder ($TMPDIR, else /tmp),
// each used only when it is this user's and closed to everyone else. Another
// user can therefore neither hold the name nor answer for it; when no such
// folder can be had the system cannot be asked, and every start runs. A socket
// file left by a holder that died refuses connections and is replaced.
//
// A later start connects and sends one request line, "WINDOW <title>"
// (answered "YES" or "NO") or "FOCUS <title>" (not answered). Both ends also
// check that the peer is of this user.
//
// The holder hears of requests through the DescriptorWatcher installed when
// it took the name (that watcher must outlive the name) and answers them
// through the InstanceResponder installed when they come. It serves a few
// requests per wake-up and waits only milliseconds for each, so clients that
// connect and say nothing cannot stall the thread that serves them.
class SocketSingleInstance final : public SingleInstance {
 public:
  // `answer_timeout` bounds the wait for a holder that is busy or hung.
  explicit SocketSingleInstance(std::chrono::milliseconds answer_timeout = std::chrono::seconds(5));

  std::optional<bool> Find(const std::string& name) override;
  std::optional<bool> HolderHasWindow(const std::string& name, const std::string& title) override;
  void HolderTakeFocus(const std::string& name, const std::string& title) override;
  std::optional<std::unique_ptr<InstanceName>> Add(const std::string& name) override;

 private:
  std::chrono::milliseconds m_answer_timeout;
};

}  // namespace platform
