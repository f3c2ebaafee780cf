#include "platform/posix/SocketSingleInstance.h"

#include <sys/socket.h>
#include <sys/un.h>
#include <unistd.h>

#include <algorithm>
#include <cstddef>
#include <cstring>
#include <optional>
#include <string_view>
#include <utility>

#include "platform/DescriptorWatcher.h"
#include "platform/InstanceResponder.h"
#include "platform/posix/Posix.h"

namespace platform {
namespace {

constexpr std::string_view kWindowRequest = "WINDOW ";
constexpr std::string_view kFocusRequest = "FOCUS ";
constexpr std::string_view kYes = "YES";
constexpr std::string_view kNo = "NO";
constexpr std::size_t kMaxLine = 1024;
// A request is written right after connecting, so the holder waits only
// briefly for it before dropping the connection.
constexpr int kRequestTimeoutMs = 1000;

// The abstract address: a leading zero byte, then the name and the user id,
// with no terminating zero (the address length says where it ends).
socklen_t MakeAddress(const std::string& name, sockaddr_un& address) {
  std::memset(&address, 0, sizeof address);
  address.sun_family = AF_UNIX;
  const std::string text = name + "." + std::to_string(::getuid());
  const std::size_t length = std::min(text.size(), sizeof address.sun_path - 1);
  std::memcpy(address.sun_path + 1, text.data(), length);
  return static_cast<socklen_t>(offsetof(sockaddr_un, sun_path) + 1 + length);
}

bool PeerIsSameUser(int fd) {
  ucred credentials{};
  socklen_t size = sizeof credentials;
  return ::getsockopt(fd, SOL_SOCKET, SO_PEERCRED, &credentials, &size) == 0 &&
         credentials.uid == ::getuid();
}

posix::Descriptor Connect(const std::string& name) {
  posix::Descriptor socket(::socket(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC, 0));
  if (!socket.Valid()) {
    return posix::Descriptor();
  }
  sockaddr_un address;
  const socklen_t length = MakeAddress(name, address);
  if (::connect(socket.Get(), reinterpret_cast<const sockaddr*>(&address), length) != 0 ||
      !PeerIsSameUser(socket.Get())) {
    return posix::Descriptor();
  }
  return socket;
}

bool SendLine(int fd, std::string_view request, const std::string& argument) {
  std::string line(request);
  line += argument;
  line += '\n';
  std::string_view rest = line;
  while (!rest.empty()) {
    const ssize_t written =
        posix::RetryOnInterrupt([&] { return ::send(fd, rest.data(), rest.size(), MSG_NOSIGNAL); });
    if (written <= 0) {
      return false;
    }
    rest.remove_prefix(static_cast<std::size_t>(written));
  }
  return true;
}

// Reads one line (without its end) within `timeout_ms`; nothing when the
// peer closes first, takes too long or sends too much.
std::optional<std::string> ReadLine(int fd, int timeout_ms) {
  std::string line;
  const std::int64_t deadline = posix::MonotonicMs() + timeout_ms;
  for (;;) {
    char buffer[256];
    const std::size_t count = posix::ReadBefore(fd, buffer, sizeof buffer, deadline);
    if (count == 0) {
      return std::nullopt;
    }
    line.append(buffer, count);
    const std::size_t end = line.find('\n');
    if (end != std::string::npos) {
      line.resize(end);
      return line;
    }
    if (line.size() > kMaxLine) {
      return std::nullopt;
    }
  }
}

class SocketInstanceName final : public InstanceName {
 public:
  explicit SocketInstanceName(posix::Descriptor listener)
      : m_listener(std::move(listener)), m_watcher(GetDescriptorWatcher()) {
    m_watcher.Watch(m_listener.Get(), [this] { AcceptPending(); });
  }

  ~SocketInstanceName() override { m_watcher.Unwatch(m_listener.Get()); }

 private:
  void AcceptPending() {
    for (;;) {
      const posix::Descriptor client(posix::RetryOnInterrupt(
          [&] { return ::accept4(m_listener.Get(), nullptr, nullptr, SOCK_CLOEXEC); }));
      if (!client.Valid()) {
        return;
      }
      if (PeerIsSameUser(client.Get())) {
        Serve(client.Get());
      }
    }
  }

  void Serve(int fd) {
    const std::optional<std::string> line = ReadLine(fd, kRequestTimeoutMs);
    if (!line) {
      return;
    }
    const std::string_view request = *line;
    InstanceResponder& responder = GetInstanceResponder();
    if (request.starts_with(kWindowRequest)) {
      const std::string title(request.substr(kWindowRequest.size()));
      SendLine(fd, responder.HasTopLevelWindow(title) ? kYes : kNo, std::string());
    } else if (request.starts_with(kFocusRequest)) {
      responder.TakeFocus(std::string(request.substr(kFocusRequest.size())));
    }
  }

  posix::Descriptor m_listener;
  DescriptorWatcher& m_watcher;
};

}  // namespace

SocketSingleInstance::SocketSingleInstance(std::chrono::milliseconds answer_timeout)
    : m_answer_timeout(answer_timeout) {}

bool SocketSingleInstance::Find(const std::string& name) {
  // Only a live holder accepts connections; the holder reads the empty
  // request as nothing and drops it.
  return Connect(name).Valid();
}

bool SocketSingleInstance::HolderHasWindow(const std::string& name, const std::string& title) {
  const posix::Descriptor socket = Connect(name);
  if (!socket.Valid() || !SendLine(socket.Get(), kWindowRequest, title)) {
    return false;
  }
  return ReadLine(socket.Get(), static_cast<int>(m_answer_timeout.count())) == kYes;
}

void SocketSingleInstance::HolderTakeFocus(const std::string& name, const std::string& title) {
  const posix::Descriptor socket = Connect(name);
  if (socket.Valid()) {
    SendLine(socket.Get(), kFocusRequest, title);
  }
}

std::unique_ptr<InstanceName> SocketSingleInstance::Add(const std::string& name) {
  posix::Descriptor listener(::socket(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC | SOCK_NONBLOCK, 0));
  if (!listener.Valid()) {
    return nullptr;
  }
  sockaddr_un address;
  const socklen_t length = MakeAddress(name, address);
  if (::bind(listener.Get(), reinterpret_cast<const sockaddr*>(&address), length) != 0 ||
      ::listen(listener.Get(), 8) != 0) {
    return nullptr;
  }
  return std::make_unique<SocketInstanceName>(std::move(listener));
}

}  // namespace platform
